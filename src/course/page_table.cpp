#include "course/page_table.h"

#include "course/state.h"

namespace pages {
namespace {

constexpr Side B = Side::Both;
constexpr Side L = Side::Left;
constexpr Side R = Side::Right;
constexpr Demo None = Demo::None;
constexpr Demo Banner = Demo::HomeAndBanner;
constexpr Demo Guides = Demo::Guides;
constexpr Demo Two = Demo::ShadeTwo;
constexpr Demo Group = Demo::ShadeGroup;
constexpr int8_t Keep = kKeepFlag;
constexpr Kind Text = Kind::Text;
constexpr Kind Ex = Kind::Exercise;
constexpr Kind Start = Kind::TrialStart;
constexpr Kind Trial = Kind::KeyTrial;
constexpr HandShown Home = HandShown::Home;
constexpr HandShown Unm = HandShown::Unmarked;
constexpr HandShown Off = HandShown::Off;
constexpr HandShown OnKey = HandShown::OnKey;
constexpr Entry No = Entry::No;
constexpr Entry Mark = Entry::Marked;
constexpr Entry Plain = Entry::Plain;

// clang-format off
constexpr PageRecord kPages[] = {
//   L  P  side block lines (index:row, shift, indent)                      demo    keys         flag  kind ex.row hand entry
    { 0, 1, B,    0, ParseLines(""),                                            Banner, "",          0,    Text,  0, Home, Mark},
    { 0, 2, B, 1000, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5"),                     None,   "",          0,    Text,  0, Home, No},
    { 1, 1, B, 1016, ParseLines("0:1>175 1:2 2:3 3:4 4:5"),                     None,   "",          Keep, Text,  0, Home, Mark},
    { 1, 2, L, 1032, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5"),                     None,   "",          0,    Text,  0, Home, No},
    { 1, 2, R, 1032, ParseLines("6:0 1:1 2:2 7:3 8:4 9:5"),                     None,   "",          0,    Text,  0, Home, No},
    { 1, 3, L, 1048, ParseLines("0:1 1:2 2:3 4:4 5:5"),                         None,   "",          Keep, Start, 0, Home, No},
    { 1, 3, R, 1048, ParseLines("0:1 1:2 3:3 4:4 5:5"),                         None,   "",          Keep, Start, 0, Home, No},
    { 1, 4, B, 1064, ParseLines("0:0 1:1 2:2"),                                 None,   "",          1,    Trial, 5, OnKey, No},
    { 2, 2, L, 1080, ParseLines("0:1 2:2 3:3"),                                 None,   "",          1,    Ex,    5, Home, Plain},
    { 2, 2, R, 1080, ParseLines("1:1 2:2 3:3"),                                 None,   "",          1,    Ex,    5, Home, Plain},
    { 2, 3, B, 1096, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5"),                     None,   "",          1,    Text,  0, Home, No},
    { 3, 1, B, 1112, ParseLines("0:0 1:1 2:2 3:3 4:5>40"),                      Guides, "",          0,    Text,  0, Off,  Mark},
    { 3, 2, L, 1128, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5"),                     Guides, "",          0,    Text,  0, Off,  No},
    { 3, 2, R, 1128, ParseLines("6:0 7:1 2:2 3:3 4:4 5:5"),                     Guides, "",          0,    Text,  0, Off,  No},
    { 3, 3, L, 1144, ParseLines("0:0 1:1 3:3-18 5:4-18 7:6-36 8:7-36"),         Two,    "kd",        0,    Text,  0, Unm,  No},
    { 3, 3, R, 1144, ParseLines("0:0 2:1 4:3-18 6:4-18 7:6-36 8:7-36"),         Two,    "kd",        0,    Text,  0, Unm,  No},
    { 3, 4, L, 1160, ParseLines("0:0 2:1 3:3"),                                 None,   "",          1,    Ex,    5, Home, No},
    { 3, 4, R, 1160, ParseLines("1:0 2:1 4:3"),                                 None,   "",          1,    Ex,    5, Home, No},
    { 4, 1, L, 1176, ParseLines("0:0 1:2 2:3 5:5"),                             Two,    "ur",        0,    Text,  0, Unm,  Mark},
    { 4, 1, R, 1176, ParseLines("0:0 3:2 4:3 5:5"),                             Two,    "ur",        0,    Text,  0, Unm,  Mark},
    { 4, 2, L, 1192, ParseLines("0:0 2:2 3:3"),                                 None,   "",          1,    Ex,    5, Home, No},
    { 4, 2, R, 1192, ParseLines("1:0 2:2 3:3"),                                 None,   "",          1,    Ex,    5, Home, No},
    { 5, 1, L, 1208, ParseLines("0:0 1:2-14 2:3-14 3:4-14 7:6-28 8:7-28"),      Two,    "im",        0,    Text,  0, Unm,  Mark},
    { 5, 1, R, 1208, ParseLines("4:0 5:2-14 6:3-14 3:4-14 7:6-28 8:7-28"),      Two,    "ec",        0,    Text,  0, Unm,  Mark},
    { 5, 2, L, 1224, ParseLines("0:1 2:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    { 5, 2, R, 1224, ParseLines("1:1 2:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    { 6, 1, L, 1240, ParseLines("0:0 1:1 2:2 3:3 7:4 8:5"),                     Two,    "ec",        0,    Text,  0, Unm,  Mark},
    { 6, 1, R, 1240, ParseLines("4:0 5:1 6:2 3:3 7:4 8:5"),                     Two,    "im",        0,    Text,  0, Unm,  Mark},
    { 6, 2, L, 1256, ParseLines("0:0 2:2 3:3"),                                 None,   "",          1,    Ex,    5, Home, No},
    { 6, 2, R, 1256, ParseLines("1:0 2:2 3:3"),                                 None,   "",          1,    Ex,    5, Home, No},
    { 7, 2, B, 1272, ParseLines("0:1 1:3"),                                     None,   "",          1,    Ex,    5, Home, Plain},
    { 8, 1, L, 1288, ParseLines("0:0 1:2 2:3 5:5"),                             Two,    "lo",        0,    Text,  0, Unm,  Mark},
    { 8, 1, R, 1288, ParseLines("0:0 3:2 4:3 5:5"),                             Two,    "lo",        0,    Text,  0, Unm,  Mark},
    { 8, 2, B, 1304, ParseLines("0:0 1:1 2:2"),                                 None,   "",          1,    Ex,    4, Home, No},
    { 9, 1, L, 1320, ParseLines("0:0 1:2-14 2:3-14 3:4-14 7:6-28 8:7-28"),      Two,    "sa",        0,    Text,  0, Unm,  Mark},
    { 9, 1, R, 1320, ParseLines("0:0 4:2-14 5:3-14 6:4-14 7:6-28 8:7-28"),      Two,    "sa",        0,    Text,  0, Unm,  Mark},
    { 9, 2, B, 1336, ParseLines("0:1"),                                         None,   "",          1,    Ex,    3, Home, No},
    {10, 1, L, 1352, ParseLines("0:0 1:1 2:3-14 3:4-14 6:6-28 7:7-28"),         Two,    "\xF6\xFC",  0,    Text,  0, Unm,  Mark},
    {10, 1, R, 1352, ParseLines("0:0 1:1 4:3-14 5:4-14 6:6-28 7:7-28"),         Two,    "\xF6\xFC",  0,    Text,  0, Unm,  Mark},
    {10, 2, B, 1368, ParseLines("0:1"),                                         None,   "",          1,    Ex,    3, Home, No},
    {11, 2, B, 1384, ParseLines("0:0 1:1 2:3"),                                 None,   "",          1,    Ex,    5, Home, Plain},
    {12, 1, B, 1400, ParseLines("0:0 1:1 2:2>50 3:3>50 4:4 5:5 6:6"),           None,   "",          0,    Text,  0, Unm,  Mark},
    {12, 2, B, 1416, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5 6:6"),                 None,   "",          Keep, Text,  0, Unm,  No},
    {12, 3, B, 1432, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5"),                     None,   "",          Keep, Text,  0, Unm,  No},
    {12, 4, B, 1448, ParseLines("0:0 1:1 2:2 3:3"),                             None,   "",          1,    Ex,    5, Home, No},
    {13, 1, L, 1454, ParseLines("0:0 1:2-8 2:3-8 6:5-12 7:6-12"),               Two,    "tz",        0,    Text,  0, Unm,  Mark},
    {13, 1, R, 1454, ParseLines("3:0 4:2-8 5:3-8 6:5-12 7:6-12"),               Two,    "tb",        0,    Text,  0, Unm,  Mark},
    {13, 2, L, 1470, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {13, 2, R, 1470, ParseLines("2:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {14, 1, L, 1486, ParseLines("0:0 1:2-18 2:3-18 3:4-18 7:6-36 8:7-36"),      Two,    "bn",        0,    Text,  0, Unm,  Mark},
    {14, 1, R, 1486, ParseLines("4:0 5:2-18 6:3-18 3:4-18 7:6-36 8:7-36"),      Two,    "zn",        0,    Text,  0, Unm,  Mark},
    {14, 2, L, 1502, ParseLines("0:0 1:1 2:3-10 3:4-10"),                       None,   "",          1,    Ex,    5, Home, No},
    {14, 2, R, 1502, ParseLines("4:0 1:1 2:3-10 3:4-10"),                       None,   "",          1,    Ex,    5, Home, No},
    {15, 1, L, 1518, ParseLines("0:0 1:1 2:3-18 3:4-18 4:5-18 7:7-36"),         Two,    "p\xE4",     0,    Text,  0, Unm,  Mark},
    {15, 1, R, 1518, ParseLines("0:0 1:1 5:3-18 3:4-18 6:5-18 7:7-36"),         Two,    "p\xE4",     0,    Text,  0, Unm,  Mark},
    {15, 2, B, 1534, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {16, 1, L, 1550, ParseLines("0:0 1:1 2:3-16 3:4-16 7:6-32 8:7-32"),         Two,    "\xDF.",     0,    Text,  0, Unm,  Mark},
    {16, 1, R, 1550, ParseLines("0:0-4 1:1-4 4:2-5 5:3-6 6:4-7 7:5-8 8:6-9"),   Two,    "\xDF.",     0,    Text,  0, Unm,  Mark},
    {16, 2, B, 1566, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {17, 1, L, 1582, ParseLines("0:0-4 1:1-5 2:2-6 3:3-7 4:4-8 7:5-9 8:6-10"),  Two,    "v,",        0,    Text,  0, Unm,  Mark},
    {17, 1, R, 1582, ParseLines("0:0-4 5:1-5 4:2-6 6:3-7 2:4-8 7:5-9 8:6-10"),  Two,    "v,",        0,    Text,  0, Unm,  Mark},
    {17, 2, B, 1598, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {18, 1, B, 1614, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5 6:6"),                 None,   "",          0,    Text,  0, Unm,  Plain},
    {18, 2, B, 1630, ParseLines("0:0-4 1:1-5 2:2-6 3:3-7 4:4-8"),               None,   "",          1,    Ex,    5, Home, No},
    {19, 1, L, 1646, ParseLines("0:0 1:1 2:2+4 3:3+4 4:4+4 8:5+8"),             Two,    "w?",        0,    Text,  0, Unm,  Mark},
    {19, 1, R, 1646, ParseLines("0:0 1:1 5:2+4 6:3+4 7:4+4 8:5+8"),             Two,    "w?",        0,    Text,  0, Unm,  Mark},
    {19, 2, B, 1662, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {20, 1, L, 1678, ParseLines("0:0 1:2-18 2:3-18 3:4-18 7:6-36 8:7-36"),      Two,    "qx",        0,    Text,  0, Unm,  Mark},
    {20, 1, R, 1678, ParseLines("0:0 4:2-18 5:3-18 6:4-18 7:6-36 8:7-36"),      Two,    "qx",        0,    Text,  0, Unm,  Mark},
    {20, 2, B, 1694, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {21, 1, L, 1710, ParseLines("0:0 1:1 2:2 3:3 5:4 7:5+10"),                  Two,    "y-",        0,    Text,  0, Unm,  Mark},
    {21, 1, R, 1710, ParseLines("0:0 1:1 4:2 3:3 6:4 7:5+10"),                  Two,    "y-",        0,    Text,  0, Unm,  Mark},
    {21, 2, B, 1726, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
    {22, 2, B, 1742, ParseLines("0:0 1:1 2:2 3:3"),                             None,   "",          1,    Ex,    5, Home, Plain},
    {23, 1, L, 1758, ParseLines("0:0-3 1:1-6 2:2-3 3:3-6 4:4-9 5:5-12 10:6-9"), Group,  "4567",      0,    Text,  0, Unm,  Mark},
    {23, 1, R, 1758, ParseLines("0:0-3 1:1-6 6:2-3 7:3-6 8:4-9 9:5-12 10:6-9"), Group,  "4567",      0,    Text,  0, Unm,  Mark},
    {23, 2, L, 1774, ParseLines("0:0 1:1 2:2 3:3 4:4 5:5"),                     Group,  "123890",    Keep, Text,  0, Unm,  No},
    {23, 2, R, 1774, ParseLines("6:0 7:1 8:2 9:3 10:4 11:5"),                   Group,  "123890",    Keep, Text,  0, Unm,  No},
    {23, 3, B, 1790, ParseLines("0:1 1:2"),                                     None,   "",          1,    Ex,    4, Home, No},
};
// clang-format on

}  // namespace

std::span<const PageRecord> PageTable()
{
    return kPages;
}

const PageRecord* FindPage(int lesson, int page, bool leftHand)
{
    const Side side = leftHand ? Side::Left : Side::Right;
    for (const PageRecord& record : kPages)
        if (record.lesson == lesson && record.page == page && (record.side == Side::Both || record.side == side))
            return &record;
    return nullptr;
}

// The practice pages: a title and a line on how to go back, and the line to type on row 4.
// clang-format off
constexpr PageRecord kPracticePages[] = {
    {kPracticeLesson, 1, B, kPracticeBlock, ParseLines("0:1 1:2"), None, "", 0, Ex, 4, Home, No},   // words
    {kPracticeLesson, 2, B, kPracticeBlock, ParseLines("2:1 1:2"), None, "", 0, Ex, 4, Home, No},   // own text
};
// clang-format on

const PageRecord* CurrentPage(const CourseState& course)
{
    if (course.practicing != Practice::None)
        return &kPracticePages[course.practicing == Practice::Words ? 0 : 1];
    return FindPage(course.nLesson, course.nPage, course.bLeftHand);
}

int ExercisePage(int lesson)
{
    for (const PageRecord& record : kPages)
        if (record.lesson == lesson && IsTypedPage(record))
            return record.page;
    return 0;
}

const PageRecord* StartPage(int lesson)
{
    for (const PageRecord& record : kPages)
        if (record.lesson == lesson && record.entry != Entry::No)
            return &record;
    return nullptr;
}

int TrialBlock()
{
    for (const PageRecord& record : kPages)
        if (record.kind == Kind::KeyTrial)
            return record.block;
    return 0;
}

}  // namespace pages
