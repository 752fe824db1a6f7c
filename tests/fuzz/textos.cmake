tarnovel_add_fuzzer(textos LIBS tarnovel_logic)
