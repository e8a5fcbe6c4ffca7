// Faces and their metric-compatible substitutes on a Linux desktop.
#include "ui/caratteri.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace kestrano::ui {

namespace {

QStringList facceConSostituti(std::string_view famiglia) {
    const QString nome = QString::fromUtf8(famiglia.data(), static_cast<qsizetype>(famiglia.size()));
    if (famiglia == "Arial") return {nome, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (famiglia == "Times New Roman")
        return {nome, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    // MS Sans Serif is a small bitmap sans; Arial's metrics come closest.
    if (famiglia == "MS Sans Serif")
        return {nome, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                QStringLiteral("DejaVu Sans")};
    return {nome};
}

// The first face of the list that is installed, so that the font database matches it at
// once instead of asking fontconfig for the fallbacks of a face it does not have.
QString facciaInstallata(std::string_view famiglia) {
    const QStringList facce = facceConSostituti(famiglia);
    const QStringList installate = QFontDatabase::families();
    for (const QString& f : facce)
        if (installate.contains(f, Qt::CaseInsensitive)) return f;
    return facce.front();
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
