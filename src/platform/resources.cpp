#include "platform/resources.h"

#include "platform/cp1252.h"
#include "platform/picture_pack.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <span>

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

// The pictures, linked into this library as picpack packed them.
extern "C" const unsigned char tastora_pictures[], tastora_pictures_end[];

namespace {

std::size_t PackSize()
{
    return static_cast<std::size_t>(tastora_pictures_end - tastora_pictures);
}

// The pack's table of contents, sorted by name; empty if the pack is not one picpack wrote.
std::span<const picture_pack::Entry> Contents()
{
    static const std::span<const picture_pack::Entry> contents = [] {
        const auto* header = reinterpret_cast<const picture_pack::Header*>(tastora_pictures);
        if (PackSize() < sizeof *header || header->magic != picture_pack::kMagic ||
            header->count > (PackSize() - sizeof *header) / sizeof(picture_pack::Entry))
            return std::span<const picture_pack::Entry>();
        return std::span(reinterpret_cast<const picture_pack::Entry*>(header + 1), header->count);
    }();
    return contents;
}

}  // namespace

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
    std::string name(file);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name.ends_with(".png"))
        name.resize(name.size() - 4);
    if (scale != 1)
        name += "@" + std::to_string(scale) + "x";
    using picture_pack::Entry;
    const std::span<const Entry> contents = Contents();
    const auto before = [](const Entry& e, const std::string& n) {
        return std::strncmp(e.name, n.c_str(), sizeof e.name) < 0;
    };
    const auto entry = std::lower_bound(contents.begin(), contents.end(), name, before);
    const std::size_t size = PackSize();
    if (entry == contents.end() || std::strncmp(entry->name, name.c_str(), sizeof entry->name) != 0 ||
        entry->width == 0 || entry->height == 0 || entry->offset % 4 != 0 || entry->offset > size ||
        (size - entry->offset) / 4 / entry->width < entry->height)
        return {};
    QImage picture(tastora_pictures + entry->offset, static_cast<int>(entry->width), static_cast<int>(entry->height),
                   static_cast<qsizetype>(entry->width) * 4, QImage::Format_RGB32);
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
