// picgen: draws Tastora's pictures from code.
//   picgen OUTDIR           writes the keyboard, the hand pictures of both hands, the banner
//                           and the icons into OUTDIR as PNG files, and the desktop's
//                           icons in all sizes into OUTDIR/icons
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

// Every hand picture of one hand; the key index without a picture has no file name.
void WriteHandPictures(const QImage& keyboard, const QDir& dir, bool leftHand)
{
    for (int index = 0; index < keys::kCount; ++index) {
        const std::string file = keys::HandPictureFile(leftHand, index);
        if (!file.empty())
            Save(picgen::HandPicture(keyboard, leftHand, index), dir, QString::fromStdString(file));
    }
}

void WritePictures(const QString& directory)
{
    const QDir dir(directory);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error("cannot make the folder " + directory.toStdString());
    const QImage keyboard = picgen::DrawKeyboard();
    Save(keyboard, dir, picgen::kKeyboardFile);
    WriteHandPictures(keyboard, dir, true);
    WriteHandPictures(keyboard, dir, false);
    Save(picgen::DrawBanner(), dir, picgen::kBannerFile);
    Save(picgen::DrawAppIcon(), dir, picgen::kAppIconFile);
    Save(picgen::DrawDocIcon(), dir, picgen::kDocIconFile);
    if (!dir.mkpath(QString::fromLatin1(picgen::kIconFolder)))
        throw std::runtime_error("cannot make the folder " + dir.filePath(picgen::kIconFolder).toStdString());
    for (int size : picgen::kThemeIconSizes) {
        Save(picgen::DrawAppIcon(size), dir, picgen::ThemeIconFile(picgen::kAppIconName, size));
        Save(picgen::DrawDocIcon(size), dir, picgen::ThemeIconFile(picgen::kDocIconName, size));
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
