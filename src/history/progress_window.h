#pragma once

#include "history/database.h"
#include "history/history.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QTableWidget;

class QChartView;

namespace history {

class KeyboardView;

// The font of the program's dialogs: Liberation Sans Bold, 12 points at 96 dots per inch.
QFont DialogFont();

// The Fortschritt window: speed and accuracy by day, the keyboard tinted by each key's
// errors, the lessons' figures, and the hand's history exported or cleared. Modeless.
class ProgressWindow : public QDialog {
public:
    // `report` hears why the database could not be read or changed.
    ProgressWindow(const QString& folder, std::function<void(const QString&)> report, QWidget* parent);
    ~ProgressWindow() override;

    // Shows the window for a hand, its figures read afresh.
    void Show(bool leftHand, const CourseShape& course);
    // Reads the hand's lines again and shows them.
    void Reload();
    // Writes the hand's lines as CSV; false when the file cannot be written.
    bool Export(const QString& path) const;
    // Forgets the hand's lines (the question asked before is the caller's).
    void Clear();

    QTableWidget& Lessons() const { return *lessons_; }
    // The keyboard picture; its accessible description tells the key chosen with the arrows.
    QWidget& Keys() const;
    // The tooltip at a point of the keyboard picture; empty off the keys.
    QString KeyTipAt(QPoint point) const;

private:
    void AskExport();
    void AskClear();
    void ShowChart();
    void ShowLessons();

    Database database_;
    std::function<void(const QString&)> report_;
    bool leftHand_ = true;
    CourseShape course_;
    std::vector<LineRecord> lines_;
    QChartView* chart_;
    KeyboardView* keyboard_;
    QTableWidget* lessons_;
    QLabel* trouble_;
};

}  // namespace history
