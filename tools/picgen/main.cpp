// picgen: draws Tastora's pictures from code.
//   picgen OUTDIR           writes the keyboard, the hand pictures of both hands, the banner
//                           and the icons into OUTDIR as PNG files, each at every scale,
//                           and the desktop's icons in all sizes into OUTDIR/icons
//   picgen --check OUTDIR   checks the pictures in OUTDIR
// Same code, same pixels: nothing depends on time or chance.

#include "banner.h"
#include "check.h"
#include "hand_paint.h"
#include "keyboard.h"
#include "picture_files.h"

#include "display/key_table.h"

#include <QDir>
#include <QGuiApplication>

#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

void Save(const QImage& image, const QDir& dir, const QString& file)
{
    if (!image.save(dir.filePath(file), "PNG"))
        throw std::runtime_error("cannot write " + dir.filePath(file).toStdString());
}

// The program's pictures at one scale.
void WritePictures(const QDir& dir, int scale)
{
    const auto save = [&](const QImage& image, const QString& file) {
        Save(image, dir, picgen::ScaledFile(file, scale));
    };
    const QImage keyboard = picgen::DrawKeyboard(scale);
    save(keyboard, picgen::kKeyboardFile);
    // Every hand picture of both hands; the key index without a picture has no file name.
    for (bool leftHand : {true, false})
        for (int index = 0; index < keys::kCount; ++index)
            if (const std::string file = keys::HandPictureFile(leftHand, index); !file.empty())
                save(picgen::HandPicture(keyboard, leftHand, index), QString::fromStdString(file));
    save(picgen::DrawBanner(scale), picgen::kBannerFile);
    save(picgen::DrawAppIcon(scale), picgen::kAppIconFile);
    save(picgen::DrawDocIcon(scale), picgen::kDocIconFile);
}

void WritePictures(const QString& directory)
{
    const QDir dir(directory);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error("cannot make the folder " + directory.toStdString());
    for (int scale : picgen::kScales)
        WritePictures(dir, scale);
    if (!dir.mkpath(QString::fromLatin1(picgen::kIconFolder)))
        throw std::runtime_error("cannot make the folder " + dir.filePath(picgen::kIconFolder).toStdString());
    for (int size : picgen::kThemeIconSizes) {
        Save(picgen::ThemeAppIcon(size), dir, picgen::ThemeIconFile(picgen::kAppIconName, size));
        Save(picgen::ThemeDocIcon(size), dir, picgen::ThemeIconFile(picgen::kDocIconName, size));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen: the build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool check = args.size() == 2 && args[0] == QLatin1String("--check");
    if (!check && (args.size() != 1 || args[0].startsWith(u'-'))) {
        std::cerr << "usage: picgen OUTDIR | picgen --check OUTDIR\n";
        return 2;
    }
    try {
        if (check) {
            const int faults = picgen::CheckPictures(args[1]);
            std::cerr << faults << (faults == 1 ? " fault\n" : " faults\n");
            return faults == 0 ? 0 : 1;
        }
        WritePictures(args[0]);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "picgen: " << error.what() << '\n';
        return 1;
    }
}
