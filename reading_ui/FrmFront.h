#pragma once

#include "reading_ui/FormKit.h"
#include "reading_ui/Forms.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kestrune::reading_ui {

class KeyFilter;

// The querent details window: name, date of birth, country and question,
// stored as the program's QuerentDetails by "&Next".
class FrmFront : public QMainWindow {
    Q_OBJECT
public:
    FrmFront();
    ~FrmFront() override;

    void cmdNext_Click();
    void cmdReset_Click();
    void cmdBack_Click();
    void cmdCancel_Click();

    // "January 1, 1980": month name, space, day, comma and space, year.
    static QString composeDateOfBirth(const QString& month, const QString& day, const QString& year);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void selectDefaultDate();

    QLabel* Image1;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblAge;
    QComboBox* cmbMonth;
    QComboBox* cmbDate;
    QComboBox* cmbYear;
    QLabel* lblCountry;
    QLineEdit* txtCountry;
    QLabel* lblQuestion;
    QPlainTextEdit* txtQuestion;
    QPushButton* cmdNext;
    QPushButton* cmdReset;
    QPushButton* cmdCancel;
    QPushButton* cmdBack;
    KeyFilter* m_nameFilter;
    KeyFilter* m_countryFilter;
    CloseRule m_close;
    bool m_centred = false;
};

} // namespace kestrune::reading_ui
