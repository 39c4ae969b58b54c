#include "dialogs/template_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTranslator>

namespace dialogs {

QFont DialogFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(16);   // 12 points at 96 dots per inch
    return font;
}

void UseDialogLook(QDialog& dialog)
{
    dialog.setFont(DialogFont());
    // A title and a close box; a dialog is neither minimised nor maximised.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
}

QRect ToPixels(int x, int y, int width, int height)
{
    static const QFontMetrics metrics(DialogFont());
    static const int unitX =
        (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2;
    static const int unitY = metrics.lineSpacing();   // the text's height with its leading
    return {x * unitX / 4, y * unitY / 8, width * unitX / 4, height * unitY / 8};
}

namespace {

QWidget* Make(const Control& control, QWidget& dialog, const std::function<void(int)>& pressed)
{
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    QWidget* widget = nullptr;
    switch (control.kind) {
    case Kind::Text:
    case Kind::CentredText: {
        auto* label = new QLabel(text, &dialog);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((control.kind == Kind::Text ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop);
        widget = label;
        break;
    }
    case Kind::Button:
    case Kind::DefaultButton: {
        auto* button = new QPushButton(text, &dialog);
        button->setDefault(control.kind == Kind::DefaultButton);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, &dialog, [pressed, id = control.id] { pressed(id); });
        widget = button;
        break;
    }
    case Kind::Edit:
        widget = new QLineEdit(&dialog);
        break;
    case Kind::Radio:
        widget = new QRadioButton(text, &dialog);
        break;
    case Kind::Check:
        widget = new QCheckBox(text, &dialog);
        break;
    case Kind::Group:
        widget = new QGroupBox(text, &dialog);
        widget->lower();
        break;
    }
    if (control.id != 0)
        widget->setObjectName(QString::number(control.id));
    widget->setGeometry(ToPixels(control.x, control.y, control.width, control.height));
    return widget;
}

}  // namespace

std::vector<QWidget*> Populate(QWidget& parent, std::span<const Control> controls,
                               const std::function<void(int)>& pressed)
{
    std::vector<QWidget*> made;
    for (const Control& control : controls)
        made.push_back(Make(control, parent, pressed));
    return made;
}

TemplateDialog::TemplateDialog(const Template& layout, bool escapeCloses, QWidget* parent)
    : QDialog(parent), escapeCloses_(escapeCloses)
{
    setWindowTitle(QString::fromUtf8(layout.title));
    UseDialogLook(*this);
    const auto pressed = [this](int id) {
        pressed_ = id;
        done(id);
    };
    Populate(*this, layout.controls, pressed);
    setFixedSize(ToPixels(0, 0, layout.width, layout.height).size());
}

QWidget* TemplateDialog::Item(int id) const
{
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void TemplateDialog::SetItemText(int id, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(Item(id)))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(Item(id)))
        edit->setText(text);
}

QString TemplateDialog::ItemText(int id) const
{
    if (const auto* label = qobject_cast<QLabel*>(Item(id)))
        return label->text();
    if (const auto* edit = qobject_cast<QLineEdit*>(Item(id)))
        return edit->text();
    if (const auto* button = qobject_cast<QAbstractButton*>(Item(id)))
        return button->text();
    return {};
}

void TemplateDialog::reject()
{
    if (escapeCloses_) {
        pressed_ = kCancel;
        QDialog::reject();
    }
}

void TemplateDialog::closeEvent(QCloseEvent* event)
{
    if (escapeCloses_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void CenterDialog(QDialog& dialog)
{
    dialog.adjustSize();   // a dialog laid out by Qt has its size only now
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(area.x() + area.width() / 2 - size.width() / 2, area.y() + area.height() / 2 - size.height() / 2);
}

void SpeakGerman()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    auto* german = new QTranslator(QCoreApplication::instance());
    if (german->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(german);
}

}  // namespace dialogs
