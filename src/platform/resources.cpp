#include "platform/resources.h"

#include "platform/cp1252.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>

#include <charconv>

void StringTable::AddSource(std::string_view utf8)
{
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8 = end == std::string_view::npos ? std::string_view{} : utf8.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        int id = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + tab, id);
        if (error != std::errc{} || rest != line.data() + tab)
            continue;
        Set(id, cp1252::FromUtf8(line.substr(tab + 1)));
    }
}

void StringTable::Set(int id, std::string_view cp1252Text)
{
    texts_[id] = std::string(cp1252Text.substr(0, kMaxLength));
}

const std::string& StringTable::Get(int id) const
{
    static const std::string kNone;
    const auto it = texts_.find(id);
    return it == texts_.end() ? kNone : it->second;
}

// The pictures' resource file, linked into this library as it is, and known as :/pictures
// from the start, as a compiled resource is.
extern "C" const uchar _binary_pictures_rcc_start[];
static const bool kPicturesRegistered = QResource::registerResource(_binary_pictures_rcc_start);

Resources Resources::BuiltIn()
{
    Resources resources;
    QDirIterator files(QStringLiteral(":/strings"), QDir::Files);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray data = file.readAll();
            resources.strings.AddSource(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
        }
    }
    return resources;
}

QImage Resources::Picture(std::string_view file) const
{
    // Pictures are stored raw: a header "TPIX", width, height, 0, then the RGB32 rows.
    QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())).toLower();
    if (name.endsWith(QStringLiteral(".png")))
        name.chop(4);
    if (scale != 1)
        name += QStringLiteral("@%1x").arg(scale);
    const QResource resource(QStringLiteral(":/pictures/") + name + QStringLiteral(".pix"));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < 16)
        return {};
    const auto* header = reinterpret_cast<const quint32*>(resource.data());
    const int width = static_cast<int>(header[1]), height = static_cast<int>(header[2]);
    if (header[0] != 0x58495054u || width <= 0 || height <= 0 ||
        resource.size() != 16 + static_cast<qint64>(width) * height * 4)
        return {};
    QImage picture(resource.data() + 16, width, height, width * 4, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QByteArray Resources::Recording(std::string_view name) const
{
    QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())).toLower();
    file.replace(QLatin1Char(','), QStringLiteral("comma")).replace(QLatin1Char('?'), QStringLiteral("question"));
    const QResource resource(QStringLiteral(":/recordings/") + file + QStringLiteral(".wav"));
    return resource.isValid() ? resource.uncompressedData() : QByteArray();
}
