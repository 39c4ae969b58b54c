#include "history/progress_window.h"

#include "history/figures.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace history {

QFont DialogFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(16);
    return font;
}

// The keyboard picture, each key that was asked for tinted from green (no errors) to red
// (a fifth or more wrong); pointing at a key tells its figures, and so does choosing it with
// the arrow keys (Home and End too), in a tooltip and in the picture's accessible description.
class KeyboardView : public QWidget {
public:
    explicit KeyboardView(QWidget* parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Fehler je Taste"));
    }

    void Show(const CourseShape& course, const std::vector<LineRecord>& lines)
    {
        picture_ = course.keyboard;
        totals_ = KeyTotals(lines);
        // A key's place may carry several characters (a letter and its capital): the
        // tooltip names each, the tint sums them.
        keys_.clear();
        for (const auto& [character, rect] : course.keys) {
            auto key = std::find_if(keys_.begin(), keys_.end(), [&](const Key& k) { return k.rect == rect; });
            if (key == keys_.end())
                key = keys_.insert(keys_.end(), Key{rect, {}});
            key->characters.push_back(character);
        }
        // The arrow keys walk the keys asked for, row by row.
        std::sort(keys_.begin(), keys_.end(), [](const Key& a, const Key& b) {
            return std::pair(a.rect.top(), a.rect.left()) < std::pair(b.rect.top(), b.rect.left());
        });
        chosen_ = -1;
        setAccessibleDescription(QString());
        setFixedSize(picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize());
        update();
    }

    QString TipAt(QPoint point) const
    {
        QStringList tips;
        for (const Key& key : keys_)
            if (key.rect.contains(point))
                for (unsigned char character : key.characters)
                    if (totals_.contains(character) || tips.isEmpty())
                        tips << KeyTip(character, totals_.contains(character) ? totals_.at(character) : KeyFigures{});
        // A character never asked for stays out beside one that was.
        if (tips.size() > 1 && tips.first().endsWith(QStringLiteral(" 0 Anschläge")))
            tips.removeFirst();
        return tips.join(QLatin1Char('\n'));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), picture_);
        for (const Key& key : keys_) {
            const auto [strikes, errors] = Figures(key);
            if (strikes == 0)
                continue;
            const double share = std::min(1.0, errors * 5.0 / strikes);
            painter.fillRect(key.rect, QColor::fromHsvF(float(1.0 - share) / 3, 0.9f, 0.9f, 0.45f));
        }
        if (hasFocus() && chosen_ >= 0) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
            painter.drawRect(keys_[std::size_t(chosen_)].rect.adjusted(1, 1, -2, -2));
        }
    }

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return QWidget::event(event);
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = TipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }

    void focusInEvent(QFocusEvent* event) override
    {
        Walk(0);
        QWidget::focusInEvent(event);
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QToolTip::hideText();
        update();
        QWidget::focusOutEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        constexpr int kFar = 1000;
        switch (event->key()) {
        case Qt::Key_Left: Walk(-1); break;
        case Qt::Key_Right: Walk(1); break;
        case Qt::Key_Home: Walk(-kFar); break;
        case Qt::Key_End: Walk(kFar); break;
        default: QWidget::keyPressEvent(event);
        }
    }

private:
    struct Key {
        QRect rect;
        std::vector<unsigned char> characters;
    };

    std::pair<int, int> Figures(const Key& key) const
    {
        int strikes = 0, errors = 0;
        for (unsigned char character : key.characters)
            if (auto figures = totals_.find(character); figures != totals_.end()) {
                strikes += figures->second.strikes;
                errors += figures->second.errors;
            }
        return {strikes, errors};
    }

    // Chooses the key `steps` keys asked for away from the chosen one (the first at the
    // start), as far as there are, and tells its figures.
    void Walk(int steps)
    {
        std::vector<int> asked;
        for (std::size_t i = 0; i < keys_.size(); ++i)
            if (Figures(keys_[i]).first > 0)
                asked.push_back(int(i));
        if (asked.empty()) {
            setAccessibleDescription(QStringLiteral("Noch keine Anschläge"));
            return;
        }
        const auto at = std::find(asked.begin(), asked.end(), chosen_);
        const int from = at == asked.end() ? 0 : int(at - asked.begin());
        chosen_ = asked[std::size_t(std::clamp(from + steps, 0, int(asked.size()) - 1))];
        const QRect rect = keys_[std::size_t(chosen_)].rect;
        const QString tip = TipAt(rect.center());
        setAccessibleDescription(tip);
        if (isVisible())
            QToolTip::showText(mapToGlobal(rect.bottomLeft()), tip, this);
        update();
    }

    QImage picture_;
    std::vector<Key> keys_;
    std::map<unsigned char, KeyFigures> totals_;
    int chosen_ = -1;   // the key chosen with the keyboard, an index of keys_
};

namespace {

enum Column { kLesson, kLines, kBestSpeed, kAccuracy, kPassed, kColumns };

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QString Hand(bool leftHand)
{
    return leftHand ? QStringLiteral("linke Hand") : QStringLiteral("rechte Hand");
}

}  // namespace

ProgressWindow::ProgressWindow(const QString& folder, std::function<void(const QString&)> report, QWidget* parent)
    : QDialog(parent), database_(folder, 2000), report_(std::move(report))
{
    setFont(DialogFont());
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    chart_ = new QChartView(this);
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumSize(520, 300);
    chart_->setFocusPolicy(Qt::NoFocus);   // nothing in it to do with keys
    keyboard_ = new KeyboardView(this);
    lessons_ = new QTableWidget(0, kColumns, this);
    lessons_->setHorizontalHeaderLabels({QStringLiteral("Übung"), QStringLiteral("Zeilen"),
                                         QStringLiteral("Beste\nAnschläge/Min."), QStringLiteral("Genauigkeit"),
                                         QStringLiteral("Stand")});
    lessons_->setAccessibleName(QStringLiteral("Übungen"));
    lessons_->verticalHeader()->hide();
    lessons_->setSelectionMode(QAbstractItemView::NoSelection);
    lessons_->setTabKeyNavigation(false);   // Tab goes on to the buttons; the arrows scroll
    lessons_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    trouble_ = new QLabel(this);
    trouble_->setWordWrap(true);
    trouble_->hide();

    auto* exportButton = new QPushButton(QStringLiteral("&Exportieren..."), this);
    auto* clearButton = new QPushButton(QStringLiteral("&Zurücksetzen"), this);
    auto* closeButton = new QPushButton(QStringLiteral("Schließen"), this);
    closeButton->setDefault(true);
    connect(exportButton, &QPushButton::clicked, this, [this] { AskExport(); });
    connect(clearButton, &QPushButton::clicked, this, [this] { AskClear(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    auto* left = new QVBoxLayout;
    left->addWidget(chart_, 1);
    left->addWidget(keyboard_, 0, Qt::AlignHCenter);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(lessons_, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(trouble_);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    // As large as its parts like, on a small screen no larger than the screen.
    resize(QSize(1100, 620).boundedTo(screen()->availableGeometry().size()));
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::Show(bool leftHand, const CourseShape& course)
{
    leftHand_ = leftHand;
    course_ = course;
    setWindowTitle(QStringLiteral("Fortschritt – ") + Hand(leftHand));
    Reload();
    show();
    raise();
    activateWindow();
}

void ProgressWindow::Reload()
{
    const QString error = database_.Read(leftHand_, lines_);
    trouble_->setText(QStringLiteral("Der Verlauf kann nicht gelesen werden: ") + error);
    trouble_->setVisible(!error.isEmpty());
    if (!error.isEmpty())
        report_(error);
    ShowChart();
    keyboard_->Show(course_, lines_);
    ShowLessons();
}

void ProgressWindow::ShowChart()
{
    auto* chart = new QChart;
    QFont small = font();
    small.setPixelSize(12);
    chart->legend()->setFont(small);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* speed = new QLineSeries;
    speed->setName(QStringLiteral("Anschläge/Min."));
    auto* accuracy = new QLineSeries;
    accuracy->setName(QStringLiteral("Genauigkeit (%)"));
    int fastest = 0;
    const std::vector<DayFigures> days = Days(lines_);
    for (const DayFigures& day : days) {
        const qreal x = QDateTime(day.day, QTime(12, 0)).toMSecsSinceEpoch();
        speed->append(x, day.speed);
        accuracy->append(x, day.accuracy);
        fastest = std::max(fastest, day.speed);
    }
    for (QLineSeries* series : {speed, accuracy}) {
        series->setPointsVisible(true);
        chart->addSeries(series);
    }
    auto* time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("dd.MM."));
    const QDate first = days.empty() ? QDate::currentDate() : days.front().day;
    const QDate last = days.empty() ? first : days.back().day;
    // A tick on each day's noon, or on every second, third... day where they are many.
    const qint64 step = (first.daysTo(last) + 2 + 7) / 8;
    const qint64 ticks = (first.daysTo(last) + 2 + step - 1) / step;
    time->setRange(QDateTime(first.addDays(-1), QTime(12, 0)), QDateTime(first.addDays(ticks * step - 1), QTime(12, 0)));
    time->setTickCount(int(ticks) + 1);
    auto* speedAxis = new QValueAxis;
    speedAxis->setTitleText(speed->name());
    speedAxis->setRange(0, std::max(60, (fastest / 50 + 1) * 50));
    speedAxis->setLabelFormat(QStringLiteral("%d"));
    auto* accuracyAxis = new QValueAxis;
    accuracyAxis->setTitleText(accuracy->name());
    accuracyAxis->setRange(0, 100);
    accuracyAxis->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{time, speedAxis, accuracyAxis}) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
    }
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(speedAxis, Qt::AlignLeft);
    chart->addAxis(accuracyAxis, Qt::AlignRight);
    for (auto [series, axis] : {std::pair{speed, speedAxis}, std::pair{accuracy, accuracyAxis}}) {
        series->attachAxis(time);
        series->attachAxis(axis);
        axis->setLinePenColor(series->color());
        axis->setLabelsColor(series->color());
    }
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

void ProgressWindow::ShowLessons()
{
    lessons_->setRowCount(0);
    for (int lesson = 0; lesson < int(course_.exerciseLines.size()); ++lesson) {
        const bool typed = std::any_of(lines_.begin(), lines_.end(), [&](const LineRecord& l) { return l.lesson == lesson; });
        if (course_.exerciseLines[lesson] == 0 && !typed)
            continue;
        const LessonFigures figures = Lesson(lines_, lesson, course_.exerciseLines[lesson]);
        const int row = lessons_->rowCount();
        lessons_->insertRow(row);
        const QString none = QStringLiteral("–");
        lessons_->setItem(row, kLesson, Cell(QString::number(lesson)));
        lessons_->setItem(row, kLines, Cell(QString::number(figures.lines)));
        lessons_->setItem(row, kBestSpeed, Cell(typed ? QString::number(figures.bestSpeed) : none));
        lessons_->setItem(row, kAccuracy, Cell(typed ? QStringLiteral("%1 %").arg(figures.accuracy) : none));
        lessons_->setItem(row, kPassed, Cell(figures.passed ? QStringLiteral("geschafft") : QString(), Qt::AlignLeft));
    }
    lessons_->resizeColumnsToContents();
    lessons_->setColumnWidth(kPassed, std::max(lessons_->columnWidth(kPassed),
                                               lessons_->fontMetrics().horizontalAdvance(QStringLiteral("geschafft")) + 12));
    int width = 2 * lessons_->frameWidth() + lessons_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumns; ++column)
        width += lessons_->columnWidth(column);
    lessons_->setMinimumWidth(width);
}

QWidget& ProgressWindow::Keys() const
{
    return *keyboard_;
}

QString ProgressWindow::KeyTipAt(QPoint point) const
{
    return keyboard_->TipAt(point);
}

bool ProgressWindow::Export(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Csv(lines_));
    return file.commit();
}

void ProgressWindow::Clear()
{
    const QString error = database_.Clear(leftHand_);
    if (!error.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Zurücksetzen"),
                             QStringLiteral("Der Verlauf kann nicht gelöscht werden: ") + error);
    Reload();
}

void ProgressWindow::AskExport()
{
    Reload();   // lines finished since the window opened go with it
    const QString name = QStringLiteral("verlauf-%1.csv").arg(leftHand_ ? QStringLiteral("links") : QStringLiteral("rechts"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Verlauf exportieren"),
                                                      QDir::home().filePath(name),
                                                      QStringLiteral("CSV-Dateien (*.csv)"));
    if (!path.isEmpty() && !Export(path))
        QMessageBox::warning(this, QStringLiteral("Exportieren"),
                             QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)));
}

void ProgressWindow::AskClear()
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("Zurücksetzen"),
                         QStringLiteral("Soll der ganze Verlauf der %1 gelöscht werden?").arg(Hand(leftHand_)),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    question.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() == QMessageBox::Yes)
        Clear();
}

}  // namespace history
