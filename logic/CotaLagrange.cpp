// The Lagrangian bound of the cover search: its table of rows and columns, the
// subgradient steps in single precision over blocks of eight columns, the exact
// sum at the best prices, and the candidates it settles.

#include "logic/CotaLagrange.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "logic/OrdenPorCuenta.h"

namespace {
constexpr UINT kPesoCandidato = CProblemaCubierta::kPesoCandidato;
// Below the rounding error of the bound's sums, above nothing a weight can be.
constexpr double kHolgura = 1e-6;
// Long first steps, halved after a run without gain, reach a tight bound in far
// fewer nodes than short ones do.
constexpr double kPasoInicial = 2.0;
// The share of the last direction kept in the next one.
constexpr float kDesvio = 0.7f;
// The bound of the literals is cut to a quarter of its steps once, over at least
// a hundred nodes, it has closed fewer than one in twenty.
constexpr long kMuestraLiterales = 100;
constexpr long kPodaRara = 20;
constexpr int kAcorte = 4;
}  // namespace

void CCotaLagrange::Start(Multiplicadores& u, const Multiplicadores* previos,
                          const CReducciones::Independientes& independientes) const {
    if (previos != nullptr) {
        u = *previos;
        return;
    }
    for (UINT p = 0; p < m_problema.PairCount(); ++p) {
        const bool independiente = independientes.pares.Test(p);
        u.tamano[p] = independiente ? 1.0 : 0.0;
        u.literales[p] = independiente ? independientes.minimo[p] % kPesoCandidato : 0.0;
    }
}

bool CCotaLagrange::Tighten(Resto& r, const Limite& l, Multiplicadores& u, bool& cambio) {
    Tabla& t = BuildTable(r.pendientes, r.permitidos);
    const bool conLiterales = m_problema.WithLiterals();
    const UINT margen = l.limite - r.fijo;
    const UINT huecos = conLiterales ? margen / kPesoCandidato : margen;
    const double tamano = Ascend(u.tamano, false, {huecos + 1.0, l.pasos}, t.reducidoTamano);
    UINT minimo = RoundUp(tamano);
    if (minimo > huecos) {
        return false;
    }
    if (l.lleno) {
        minimo = huecos;
    }
    double literales = 0;
    UINT escala = 1;
    if (conLiterales) {
        escala = kPesoCandidato;
        const UINT sobra = margen - minimo * kPesoCandidato;
        // The bound of the literals costs as much as that of the size. Where it
        // seldom closes a branch (when nearly every cover of the least size is
        // within the limit), a short descent still gives most of its settling.
        const bool decide = m_cotasLiterales < kMuestraLiterales ||
                            m_podasLiterales * kPodaRara >= m_cotasLiterales;
        ++m_cotasLiterales;
        literales = Ascend(u.literales, true, {sobra + 1.0, decide ? l.pasos : l.pasos / kAcorte},
                           t.reducidoLiterales);
        if (RoundUp(literales) > sobra) {
            ++m_podasLiterales;
            return false;
        }
    }
    // A candidate whose taking or leaving would lift the bounds past the limit is
    // settled the other way.
    auto cota = [&](double masTamano, double masLiterales) {
        return escala * std::max(minimo, RoundUp(tamano + masTamano)) +
               (conLiterales ? RoundUp(literales + masLiterales) : 0);
    };
    for (UINT c = 0; c < t.nColumnas; ++c) {
        const UINT j = t.columna[c];
        const double rt = t.reducidoTamano[c];
        const double rl = conLiterales ? t.reducidoLiterales[c] : 0.0;
        if (cota(std::max(0.0, rt), std::max(0.0, rl)) > margen) {
            r.permitidos.Reset(j);
            cambio = true;
        } else if (cota(std::max(0.0, -rt), std::max(0.0, -rl)) > margen) {
            r.permitidos.Reset(j);
            r.fijo += m_problema.Weight(j);
            r.pendientes.Remove(m_problema.Covers(j));
            r.tomados.Set(j);
            cambio = true;
        }
    }
    return true;
}

UINT CCotaLagrange::RoundUp(double cota) {
    // The slack keeps rounding errors of the sums from rounding a whole number
    // past itself.
    return static_cast<UINT>(std::max(0.0, std::ceil(cota - kHolgura)));
}

double CCotaLagrange::Ascend(std::array<double, kMaxPares>& u, bool literales,
                             const Descenso& descenso,
                             std::array<double, kMaxCandidatos>& reducido) const {
    // Every pair priced at u: a candidate whose pairs are worth more than it costs
    // is taken. The sum of the prices plus those gains bounds every cover from
    // below; subgradient steps raise it towards the target.
    const Tabla& t = m_tabla;
    const UINT n = t.nPares;
    const double objetivo = descenso.objetivo;
    // The steps in single precision, over the blocks; the bound returned is that
    // of the best prices, summed again exactly.
    std::array<float, kMaxPares + 9> precio;
    for (UINT r = 0; r < n; ++r) {
        precio[r] = static_cast<float>(u[t.par[r]]);
    }
    precio[n] = 0.0f;  // the empty row of the blocks
    std::array<float, kMaxPares> mejorPrecio;
    std::copy_n(precio.begin(), n, mejorPrecio.begin());
    double mejor = std::numeric_limits<double>::lowest();
    // The rows in runs of eight, the last one padded with rows that stay at zero.
    const UINT n8 = (n + 7) / 8 * 8;
    std::fill(precio.begin() + n, precio.begin() + n8 + 1, 0.0f);
    std::array<float, kMaxPares + 8> direccion{};
    double paso = kPasoInicial;
    int sinMejora = 0;
    for (int k = 0; k <= descenso.pasos; ++k) {
        // The subgradient: 1 less the number of taken candidates of each pair.
        // Counts in single precision, as the step takes them: whole numbers this
        // small are exact, and the loops below vectorise without conversions.
        std::array<float, kMaxPares + 8> gradiente;
        std::fill_n(gradiente.begin(), n, 1.0f);
        std::fill(gradiente.begin() + n, gradiente.begin() + n8, 0.0f);
        const double valor = FastValue(precio.data(), literales, gradiente.data());
        if (valor > mejor + kHolgura) {
            mejor = valor;
            std::copy_n(precio.begin(), n, mejorPrecio.begin());
            sinMejora = 0;
        } else if (++sinMejora == descenso.paciencia) {
            paso /= 2;
            sinMejora = 0;
        }
        // Steps this short no longer move the bound.
        if (RoundUp(mejor) >= objetivo || k == descenso.pasos || paso < descenso.pasoMinimo) {
            break;
        }
        // The step follows the subgradient deflected towards the last direction,
        // a price at zero that would fall left out: plain subgradient steps zigzag
        // and take several times as many steps to the same bound.
        // Eight partial sums: a single one would wait on each addition in turn.
        const float desvio = k > 0 ? kDesvio : 0.0f;
        std::array<float, 8> parcial{};
        for (UINT r = 0; r < n8; r += 8) {
            for (UINT l = 0; l < 8; ++l) {
                const float g =
                    precio[r + l] <= 0.0f && gradiente[r + l] < 0.0f ? 0.0f : gradiente[r + l];
                const float d = g + desvio * direccion[r + l];
                direccion[r + l] = d;
                parcial[l] += d * d;
            }
        }
        const float norma = ((parcial[0] + parcial[1]) + (parcial[2] + parcial[3])) +
                            ((parcial[4] + parcial[5]) + (parcial[6] + parcial[7]));
        if (norma == 0) {
            break;
        }
        const float salto = static_cast<float>(paso * (objetivo - valor) / norma);
        for (UINT r = 0; r < n8; ++r) {
            precio[r] = std::max(0.0f, precio[r] + salto * direccion[r]);
        }
    }
    std::array<double, kMaxPares> exacto;
    for (UINT r = 0; r < n; ++r) {
        exacto[r] = mejorPrecio[r];
        u[t.par[r]] = mejorPrecio[r];
    }
    return Value(exacto, literales, reducido);
}

float CCotaLagrange::FastValue(const float* u, bool literales, float* gradiente) const {
    const Tabla& t = m_tabla;
    // Four partial sums and eight columns at a time: a single sum would wait on
    // each addition in turn.
    float s[4] = {0, 0, 0, 0};
    UINT r = 0;
    for (; r + 3 < t.nPares; r += 4) {
        for (UINT l = 0; l < 4; ++l) {
            s[l] += u[r + l];
        }
    }
    for (; r < t.nPares; ++r) {
        s[0] += u[r];
    }
    float valor = (s[0] + s[1]) + (s[2] + s[3]);
    const float* coste = literales ? t.costeLiterales.data() : t.costeTamano.data();
    const std::uint16_t* bloques = t.bloques.data();
    std::array<std::uint16_t, kMaxCandidatos + 8> tomadas;
    UINT nTomadas = 0;
    std::array<float, 8> ganancia{};
    for (UINT b = 0; b < t.nBloques; ++b) {
        float a[8];
        for (UINT l = 0; l < 8; ++l) {
            a[l] = coste[b * 8 + l];
        }
        for (UINT f = t.inicioBloque[b]; f < t.inicioBloque[b + 1]; f += 8) {
            for (UINT l = 0; l < 8; ++l) {
                a[l] -= u[bloques[f + l]];
            }
        }
        // The taken ones listed without a branch per column.
        for (UINT l = 0; l < 8; ++l) {
            ganancia[l] += std::min(a[l], 0.0f);
            tomadas[nTomadas] = static_cast<std::uint16_t>(b * 8 + l);
            nTomadas += a[l] < 0 ? 1u : 0u;
        }
    }
    const std::uint16_t* filas = t.filas.data();
    for (UINT k = 0; k < nTomadas; ++k) {
        const UINT c = t.columnaDe[tomadas[k]];
        // The end read once: the counts written may alias it.
        const UINT fin = t.inicio[c + 1];
        for (UINT f = t.inicio[c]; f < fin; ++f) {
            gradiente[filas[f]] -= 1.0f;
        }
    }
    return valor + ((ganancia[0] + ganancia[1]) + (ganancia[2] + ganancia[3])) +
           ((ganancia[4] + ganancia[5]) + (ganancia[6] + ganancia[7]));
}

double CCotaLagrange::Value(const std::array<double, kMaxPares>& u, bool literales,
                            std::array<double, kMaxCandidatos>& reducido) const {
    const Tabla& t = m_tabla;
    const std::uint16_t* filas = t.filas.data();
    double valor = 0;
    for (UINT r = 0; r < t.nPares; ++r) {
        valor += u[r];
    }
    for (UINT c = 0; c < t.nColumnas; ++c) {
        double a = literales ? t.literales[c] : 1.0;
        for (UINT f = t.inicio[c]; f < t.inicio[c + 1]; ++f) {
            a -= u[filas[f]];
        }
        reducido[c] = a;
        valor += std::min(a, 0.0);
    }
    return valor;
}

CCotaLagrange::Tabla& CCotaLagrange::BuildTable(const Pares& pendientes,
                                                const Candidatos& permitidos) {
    Tabla& t = m_tabla;
    t.nPares = 0;
    pendientes.ForEach([&](UINT p) {
        t.fila[p] = static_cast<std::uint16_t>(t.nPares);
        t.par[t.nPares++] = static_cast<std::uint16_t>(p);
    });
    // The lengths first, so that the rows are written without growing the
    // vectors one at a time.
    t.nColumnas = 0;
    UINT total = 0;
    permitidos.ForEach([&](UINT j) {
        t.columna[t.nColumnas] = j;
        t.literales[t.nColumnas] = m_problema.Literals(j);
        t.inicio[t.nColumnas++] = total;
        total += (m_problema.Covers(j) & pendientes).Count();
    });
    t.inicio[t.nColumnas] = total;
    if (t.filas.size() < total) {
        t.filas.resize(total);
    }
    std::uint16_t* filas = t.filas.data();
    for (UINT c = 0; c < t.nColumnas; ++c) {
        std::uint16_t* fila = filas + t.inicio[c];
        (m_problema.Covers(t.columna[c]) & pendientes).ForEach([&](UINT p) {
            *fila++ = t.fila[p];
        });
    }
    // Blocks of eight columns of like length; a padded column costs too much to
    // be taken.
    std::array<std::uint32_t, kMaxCandidatos> porLargo;
    for (UINT c = 0; c < t.nColumnas; ++c) {
        porLargo[c] = ((t.inicio[c + 1] - t.inicio[c]) << 16) | c;
    }
    SortByCount(porLargo, t.nColumnas);
    std::reverse(porLargo.begin(), porLargo.begin() + t.nColumnas);
    const auto vacia = static_cast<std::uint16_t>(t.nPares);
    t.nBloques = (t.nColumnas + 7) / 8;
    UINT casillas = 0;
    for (UINT b = 0; b < t.nBloques; ++b) {
        t.inicioBloque[b] = casillas;
        casillas += 8 * (porLargo[b * 8] >> 16);
    }
    t.inicioBloque[t.nBloques] = casillas;
    if (t.bloques.size() < casillas) {
        t.bloques.resize(casillas);
    }
    std::fill_n(t.bloques.begin(), casillas, vacia);
    for (UINT i = 0; i < t.nBloques * 8; ++i) {
        const bool hay = i < t.nColumnas;
        const UINT c = hay ? porLargo[i] & 0xFFFF : 0;
        t.columnaDe[i] = static_cast<std::uint16_t>(c);
        t.costeTamano[i] = hay ? 1.0f : 1e30f;
        t.costeLiterales[i] = hay ? static_cast<float>(t.literales[c]) : 1e30f;
        if (hay) {
            // Lane i % 8 of its block, one row of the block per row of the column.
            std::uint16_t* casilla = t.bloques.data() + t.inicioBloque[i / 8] + i % 8;
            for (UINT f = t.inicio[c]; f < t.inicio[c + 1]; ++f, casilla += 8) {
                *casilla = filas[f];
            }
        }
    }
    return t;
}
