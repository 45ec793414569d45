#pragma once

#include "reading_ui/FormKit.h"
#include "reading_ui/Forms.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kestrune::reading_ui {

// The start window: "Tarot Tutor" opens the tutor window, "Tarot Reading" the
// querent window; its close box ends the program.
class FrmOpen : public QWidget {
    Q_OBJECT
public:
    FrmOpen();
    ~FrmOpen() override;

    void cmdReading_Click();
    void cmdTutor_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* Frame1;
    QLabel* Label2;
    QPushButton* cmdTutor;
    QPushButton* cmdReading;
    CloseRule m_close;
    bool m_centred = false;
};

// Whether the application folder holds an entry of that name (a folder or a
// file; hidden entries do not count).
bool hasVisibleEntry(const QString& name);
// Whether the application folder holds an ordinary, not hidden file of that name.
bool hasVisibleFile(const QString& name);

} // namespace kestrune::reading_ui
