#pragma once

#include "support/fake_host.h"
#include "tutor.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

// Texts in failure messages as they read.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Rectangles in failure messages as their corners.
inline void PrintTo(const Rect& rect, std::ostream* out)
{
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

// Resources with the program's pictures and a string table of the test's own; pictures
// named in `missing` cannot be found.
struct TestResources : Resources {
    QImage Picture(std::string_view file) const override
    {
        if (missing.contains(std::string(file)))
            return {};
        if (scale == 1 || !doubledPictures)
            return Resources::Picture(file);
        QImage picture = Resources().Picture(file);
        picture = picture.scaled(picture.size() * scale);
        picture.setDevicePixelRatio(scale);
        return picture;
    }
    // With `namedRecordings`, a recording is its own name, so that what was played reads plainly.
    QByteArray Recording(std::string_view name) const override
    {
        if (missing.contains(std::string(name)))
            return {};
        return namedRecordings ? QByteArray(name.data(), static_cast<qsizetype>(name.size())).toUpper()
                               : Resources::Recording(name);
    }
    bool namedRecordings = false;
    // Pictures at a larger scale are those of scale 1 enlarged, so that a screen drawn at
    // that scale can be compared with one drawn at scale 1.
    bool doubledPictures = false;
    std::set<std::string> missing;
};

// A tutor with a fake window system, drawn on a client area of its own.
class TutorTest : public testing::Test {
protected:
    // Loads the pictures, chooses the font of the font size and draws the whole client.
    void Start(int width = 692, int height = 454);
    // Draws the whole client area as a paint does.
    void Paint();
    QRgb Pixel(int x, int y) const { return tutor.screenImage.pixel(x, y) & 0xFFFFFF; }
    // A screen area as an image, for comparing before and after.
    QImage Area(const Rect& rect) const
    {
        const int s = static_cast<int>(tutor.screenImage.devicePixelRatio());
        return tutor.screenImage.copy(rect.left * s, rect.top * s, rect.width() * s, rect.height() * s);
    }
    // The keyboard picture's pixels of a client rectangle over the keyboard.
    QImage KeyboardArea(const Rect& rect) const;
    // Number of pixels darker than mid-grey in a screen rectangle.
    int DarkPixels(const Rect& rect) const;

    FakeHost host;
    TestResources resources;
    Tutor tutor{host.AsServices(), resources};
};
