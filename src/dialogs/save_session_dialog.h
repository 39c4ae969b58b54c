#pragma once

#include "platform/host.h"

#include <QDialog>

#include <string>

// "Übung speichern?": whether to save the session before it is left. Escape and the close
// box answer Abbruch.
class SaveSessionDialog : public QDialog {
public:
    // `fileName` as the file system spells it; empty: "Unbenannt".
    SaveSessionDialog(const std::string& fileName, QWidget* parent);

    SaveAnswer Answer() const { return answer_; }

private:
    SaveAnswer answer_ = SaveAnswer::Cancel;
};
