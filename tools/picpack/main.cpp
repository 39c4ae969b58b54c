// picpack INDIR PACK: packs every PNG of INDIR into one file PACK that the program takes in
// unchanged: a table of contents and the pictures' RGB32 rows (platform/picture_pack.h).
#include "platform/picture_pack.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace {

std::uint32_t Aligned(qsizetype offset)
{
    const auto a = picture_pack::kAlignment;
    return static_cast<std::uint32_t>((offset + a - 1) / a * a);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picpack INDIR PACK\n");
        return 2;
    }
    QGuiApplication::setAttribute(Qt::AA_PluginApplication);
    const QDir in(QString::fromLocal8Bit(argv[1]));
    // Sorted as the program searches: by the bytes of the names in small letters.
    std::map<QByteArray, QString> files;
    for (const QString& file : in.entryList({QStringLiteral("*.png")}, QDir::Files))
        files[file.chopped(4).toLower().toUtf8()] = file;
    std::vector<QImage> images;
    std::vector<picture_pack::Entry> entries;
    qsizetype offset = sizeof(picture_pack::Header) + files.size() * sizeof(picture_pack::Entry);
    for (const auto& [name, file] : files) {
        images.push_back(QImage(in.filePath(file)).convertToFormat(QImage::Format_RGB32));
        const QImage& image = images.back();
        picture_pack::Entry entry{};
        if (image.isNull() || name.size() >= qsizetype(sizeof entry.name)) {
            std::fprintf(stderr, "picpack: cannot pack %s\n", qPrintable(file));
            return 1;
        }
        std::memcpy(entry.name, name.constData(), name.size());
        entry.offset = Aligned(offset);
        entry.width = image.width();
        entry.height = image.height();
        entries.push_back(entry);
        offset = entry.offset + image.sizeInBytes();
    }
    QFile pack(QString::fromLocal8Bit(argv[2]));
    if (!pack.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "picpack: cannot write %s\n", argv[2]);
        return 1;
    }
    const picture_pack::Header header{picture_pack::kMagic, static_cast<std::uint32_t>(entries.size())};
    pack.write(reinterpret_cast<const char*>(&header), sizeof header);
    pack.write(reinterpret_cast<const char*>(entries.data()), qsizetype(entries.size() * sizeof(picture_pack::Entry)));
    for (std::size_t i = 0; i < images.size(); ++i) {
        pack.write(QByteArray(entries[i].offset - pack.pos(), '\0'));
        for (int y = 0; y < images[i].height(); ++y)
            pack.write(reinterpret_cast<const char*>(images[i].constScanLine(y)), images[i].width() * 4);
    }
    return pack.error() == QFile::NoError && pack.flush() ? 0 : 1;
}
