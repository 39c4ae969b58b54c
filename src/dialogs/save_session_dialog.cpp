#include "dialogs/save_session_dialog.h"

#include "dialogs/template_dialog.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// Button ids, as object names, and the id of the question line.
constexpr const char* kYes = "6";
constexpr const char* kCancel = "2";
constexpr const char* kNo = "7";
constexpr const char* kQuestion = "3002";

}  // namespace

SaveSessionDialog::SaveSessionDialog(const std::string& fileName, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Übung speichern?"));
    dialogs::UseDialogLook(*this);
    const QString name = fileName.empty()
                             ? QStringLiteral("Unbenannt")
                             : QFile::decodeName(QByteArray(fileName.data(), static_cast<qsizetype>(fileName.size())));
    auto* question = new QLabel(QStringLiteral("Leistungen sichern in '") + name + QStringLiteral("'?"));
    question->setObjectName(kQuestion);
    question->setTextFormat(Qt::PlainText);
    auto* text = new QLabel(QStringLiteral("Tastora speichert nicht Ihren geschriebenen Text."));
    auto* file = new QLabel(QStringLiteral("Die Leistungs-Datei speichert Ihre Wahl der Übungshand und an welcher "
                                           "Übung Sie zuletzt gearbeitet haben."));
    for (QLabel* label : {text, file})
        label->setWordWrap(true);

    const auto button = [this](const char* id, const QString& label, SaveAnswer answer) {
        auto* pushButton = new QPushButton(label);
        pushButton->setObjectName(id);
        connect(pushButton, &QPushButton::clicked, this, [this, answer] {
            answer_ = answer;
            answer == SaveAnswer::Cancel ? reject() : accept();
        });
        return pushButton;
    };
    QPushButton* yes = button(kYes, QStringLiteral("&Ja"), SaveAnswer::Yes);
    yes->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(question, 0, 0, 1, 2);
    layout->addWidget(text, 1, 0, 1, 2);
    layout->addWidget(file, 2, 0, 1, 2);
    layout->addWidget(yes, 3, 1);
    layout->addWidget(button(kCancel, QStringLiteral("Abbruch"), SaveAnswer::Cancel), 4, 0);
    layout->addWidget(button(kNo, QStringLiteral("&Nein"), SaveAnswer::No), 4, 1);
    setFixedWidth(sizeHint().width() < 320 ? 320 : sizeHint().width());
    dialogs::CenterDialog(*this);
}
