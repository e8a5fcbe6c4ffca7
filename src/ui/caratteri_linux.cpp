// MS Sans Serif on a Linux desktop.
#include "ui/caratteri_piattaforma.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QHash>
#include <algorithm>
#include <limits>
#include <memory>

namespace kestrano::ui {

// MS Sans Serif is a wide bitmap sans made for the screen, whose blank is about a third of its
// height (4 pixels in 8.25 pt bold); the frame's header counts on that blank, placing its words
// over their columns by runs of blanks. DejaVu Sans is wide and made for the screen too, with
// the same blank, so the header keeps its columns; an Arial-metric face, a pixel narrower in
// each blank, would shift every word onto a line.
const QStringList facceSansSerif{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("DejaVu Sans")};

// Two packages may hold the same face in two versions under one name (Debian's fonts-liberation,
// 1.07, beside fonts-liberation2), and the toolkit draws whichever file it lists last, which is
// not the one the font configuration ranks first: then the program would draw in another face
// on a machine that merely has one more package. Where a style of the face has files of one
// format in different versions, the newest is registered again, and so drawn; files of equal
// versions, or of other formats (a Type 1 copy beside an OpenType one), are left as they are.
void preparaFaccia(const QString& famiglia) {
    const QByteArray nome = famiglia.toUtf8();
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> modello(
        FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, nome.constData(), nullptr), FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> campi(
        FcObjectSetBuild(FC_FILE, FC_STYLE, FC_FONTFORMAT, FC_FONTVERSION, nullptr), FcObjectSetDestroy);
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> file(
        FcFontList(nullptr, modello.get(), campi.get()), FcFontSetDestroy);
    if (!file) return;
    struct Versioni {
        int minima = std::numeric_limits<int>::max(), massima = -1;
        QString piuNuova;
    };
    QHash<QString, Versioni> perStileEFormato;
    for (int i = 0; i < file->nfont; ++i) {
        FcChar8 *percorso = nullptr, *stile = nullptr, *formato = nullptr;
        int versione = 0;
        if (FcPatternGetString(file->fonts[i], FC_FILE, 0, &percorso) != FcResultMatch ||
            FcPatternGetString(file->fonts[i], FC_STYLE, 0, &stile) != FcResultMatch)
            continue;
        FcPatternGetString(file->fonts[i], FC_FONTFORMAT, 0, &formato);
        FcPatternGetInteger(file->fonts[i], FC_FONTVERSION, 0, &versione);
        const auto testo = [](const FcChar8* t) { return QString::fromUtf8(t ? reinterpret_cast<const char*>(t) : ""); };
        Versioni& v = perStileEFormato[testo(stile) + QLatin1Char('|') + testo(formato)];
        v.minima = std::min(v.minima, versione);
        if (versione > v.massima) v = {v.minima, versione, testo(percorso)};
    }
    for (const Versioni& v : std::as_const(perStileEFormato))
        if (v.massima > v.minima) QFontDatabase::addApplicationFont(v.piuNuova);
}

}  // namespace kestrano::ui
