// picpack INDIR OUTDIR: turns every PNG of INDIR into a raw picture OUTDIR/NAME.pix (a 16-byte
// header "TPIX", width, height, 0 as 32-bit little-endian numbers, then the RGB32 rows) and
// writes OUTDIR/pictures.qrc listing them. The program maps raw pictures without decoding.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

bool Pack(const QString& png, const QString& pix)
{
    const QImage image = QImage(png).convertToFormat(QImage::Format_RGB32);
    QFile out(pix);
    if (image.isNull() || !out.open(QIODevice::WriteOnly))
        return false;
    const quint32 header[4] = {0x58495054u, static_cast<quint32>(image.width()), static_cast<quint32>(image.height()), 0};
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return out.error() == QFile::NoError;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: picpack INDIR OUTDIR\n");
        return 2;
    }
    QGuiApplication::setAttribute(Qt::AA_PluginApplication);
    const QDir in(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QFile qrc(out.filePath(QStringLiteral("pictures.qrc")));
    if (!out.mkpath(QStringLiteral(".")) || !qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "picpack: cannot write into %s\n", argv[2]);
        return 1;
    }
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const QString& name : in.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        const QString pix = name.chopped(4) + QStringLiteral(".pix");
        if (!Pack(in.filePath(name), out.filePath(pix))) {
            std::fprintf(stderr, "picpack: cannot pack %s\n", qPrintable(name));
            return 1;
        }
        list << "    <file>" << pix << "</file>\n";
    }
    list << "  </qresource>\n</RCC>\n";
    return 0;
}
