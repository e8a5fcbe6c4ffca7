// Faces and their substitutes: the named face where it is installed, else the closest one there.
#include "ui/caratteri.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <cmath>

#include "ui/caratteri_piattaforma.h"

namespace kestrano::ui {

namespace {

// The faces with Arial's metrics, and Times New Roman's, in the order the system's font
// configuration ranks them; DejaVu, of other metrics, comes only after them.
const QStringList facceArial{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                             QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
const QStringList facceTimes{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                             QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")};

QStringList facceConSostituti(std::string_view famiglia) {
    if (famiglia == "Arial") return facceArial;
    if (famiglia == "Times New Roman") return facceTimes;
    if (famiglia == "MS Sans Serif") return facceSansSerif + facceArial;
    return {QString::fromUtf8(famiglia.data(), static_cast<qsizetype>(famiglia.size()))};
}

// The first face of the list that is installed, so that the font database matches it at
// once instead of asking fontconfig for the fallbacks of a face it does not have. The database
// names a face installed by two foundries with the foundry after it ("Nimbus Sans [urw]").
// Each named face is resolved once: every window asks again for the same few.
QString facciaInstallata(std::string_view famiglia) {
    static QHash<QString, QString> risolte;
    const QString nome = QString::fromUtf8(famiglia.data(), static_cast<qsizetype>(famiglia.size()));
    if (const auto it = risolte.constFind(nome); it != risolte.constEnd()) return *it;
    const QStringList facce = facceConSostituti(famiglia);
    for (const QString& f : facce) preparaFaccia(f);
    QStringList installate = QFontDatabase::families();
    for (QString& f : installate) f = f.section(QStringLiteral(" ["), 0, 0);
    QString scelta = facce.front();
    for (const QString& f : facce)
        if (installate.contains(f, Qt::CaseInsensitive)) {
            scelta = f;
            break;
        }
    risolte.insert(nome, scelta);
    return scelta;
}

}  // namespace

QFont qFont(const Carattere& carattere) {
    QFont f(facciaInstallata(carattere.famiglia));
    // Every text of the program is Italian in Latin letters, which each of these faces has:
    // no merging of fallback faces is needed.
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setPixelSize(static_cast<int>(std::lround(carattere.punti * 4.0 / 3.0)));
    f.setWeight(carattere.grassetto ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    return f;
}

}  // namespace kestrano::ui
