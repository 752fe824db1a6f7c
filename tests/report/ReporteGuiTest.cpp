// One real report, minimised by the system and painted through the QPainter
// device as the view paints it, checked on its pixels. With TARNOVEL_RENDER_DIR
// set, the image is also saved there as a PNG to be looked at.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "logic/Sistema.h"
#include "platform/PainterDC.h"
#include "platform/RecordingDC.h"

namespace {

class ReporteGuiTest : public ::testing::Test {
protected:
    ReporteGuiTest() : m_imagen(800, 900, QImage::Format_RGB32) { m_imagen.fill(Qt::white); }

    void Pintar(CSistema& s) {
        QPainter painter(&m_imagen);
        CPainterDC dc(painter);
        s.DrawReport(dc);
    }

    void Guardar(const char* nombre) const {
        const QString carpeta = qEnvironmentVariable("TARNOVEL_RENDER_DIR");
        if (!carpeta.isEmpty()) {
            m_imagen.save(QDir(carpeta).filePath(QString::fromLatin1(nombre)));
        }
    }

    int Oscuros(const QRect& r) const {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                n += qGray(m_imagen.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return n;
    }

    QImage m_imagen;
};

TEST_F(ReporteGuiTest, TwoFunctionsOfThreeVariablesOnBothSides) {
    CSistema s;
    s.SetNumVariables(3);
    s.SetNumFunctions(2);
    s.m_bProcesarPos = true;
    s.m_bVerImplicantesPrimos = true;
    s.m_bVerCubiertasSop = true;
    s.m_bVerImplicadosEsenciales = true;
    s.m_bVerMapaK = false;  // so that the report ends with the truth table
    TextosFuncion minterminos{"1,3,5,7", "0,2,3"};
    TextosFuncion prescindibles{"6", ""};
    s.ApplyMinterms(minterminos, prescindibles);
    Pintar(s);
    Guardar("reporte_dos_funciones.png");

    // The sentence on its first line, the sigma of f1 and the list beside it.
    EXPECT_GT(Oscuros(QRect(10, 10, 250, 16)), 100);
    EXPECT_GT(Oscuros(QRect(45, 60, 14, 18)), 5);
    EXPECT_GT(Oscuros(QRect(70, 60, 100, 16)), 50);
    // Nothing is drawn left of the margin.
    EXPECT_EQ(Oscuros(QRect(0, 0, 9, 900)), 0);
    // The truth table's left edge runs down from where its grid starts, 20
    // below its heading; the gate diagrams follow it.
    CRecordingDC registro;
    s.DrawReport(registro);
    const DrawCall* tabla = registro.FindText("Tabla de Verdad :");
    ASSERT_NE(tabla, nullptr);
    const int arriba = tabla->to.y + 20;
    ASSERT_LE(arriba + 25 * 9, m_imagen.height());
    EXPECT_EQ(Oscuros(QRect(10, arriba, 1, 25 * 9)), 25 * 9);
    EXPECT_EQ(Oscuros(QRect(10, arriba, 300, 1)), 300);
}

}  // namespace
