#pragma once

#include "platform/host.h"

#include <QDialog>

#include <string>

// "Übung speichern?": whether to save the session before it is left, centred on the screen.
// Escape and the close box answer Abbruch; Alt+J and Alt+N answer Ja and Nein.
class SaveSessionDialog : public QDialog {
public:
    // `fileName` as the file system spells it; empty: "Unbenannt".
    SaveSessionDialog(const std::string& fileName, QWidget* parent);

    SaveAnswer Answer() const { return answer_; }

private:
    SaveAnswer answer_ = SaveAnswer::Cancel;
};
