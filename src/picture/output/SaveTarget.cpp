#include "SaveTarget.h"

#include <QFileInfo>
#include <QString>

#include <utility>

namespace pluvane {

SaveTarget saveTargetFor(const std::string& typedName)
{
    SaveTarget t { typedName, PictureFormat::Emf };
    if (typedName.find('.') == std::string::npos)
        t.path += ".wmf";
    // The text after the last "." of the file's own name; empty for "may."
    // and for a name whose only "." is in a folder.
    const QString extension = QFileInfo(QString::fromStdString(t.path)).suffix();
    static constexpr std::pair<const char*, PictureFormat> known[] = {
        { "wmf", PictureFormat::PlaceableWmf },
        { "svg", PictureFormat::Svg },
        { "pdf", PictureFormat::Pdf },
        { "png", PictureFormat::Png },
    };
    for (const auto& [name, format] : known)
        if (extension.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
            t.format = format;
    return t;
}

} // namespace pluvane
