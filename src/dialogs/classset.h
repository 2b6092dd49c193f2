#pragma once
// The class-set dialog: the pupils' names, typed, pasted from a spreadsheet
// column or loaded from a text or CSV file, one printed page for each. It
// shows how many pages that makes; the main window prints them, or saves them
// as one PDF file, with the sheet chosen in the window.

#include "name_list.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class ClassSetDialog : public QDialog {
    Q_OBJECT
public:
    /// What the user asked for when the dialog was accepted.
    enum class Choice { Print, SavePdf };

    explicit ClassSetDialog(QWidget *parent = nullptr);

    /// Names the sheet every page shows, e.g. "Semi log" paper (10x2 cycle).
    void setSheet(const QString &sheet);

    /// The names of the box, one per line, without the first line when it
    /// is marked as a header; or, with `error` set, why they cannot print.
    gridora::names::NameList nameList() const;
    /// The names to print; empty when the box holds none it can print.
    std::vector<std::string> names() const;
    Choice choice() const { return choice_; }

    /// Fills the box with the names of a text or CSV file (its first column),
    /// replacing what it held. Returns empty, or the sentence saying which
    /// line of the file is wrong, the box then left as it was.
    QString loadFile(const QString &path);

    QLabel *sheetLabel;
    QPlainTextEdit *namesEdit;
    QPushButton *loadButton;
    QCheckBox *headerCheckBox;
    QLabel *countLabel;
    QPushButton *printButton;
    QPushButton *pdfButton;
    QPushButton *closeButton;

protected:
    /// Asks which file to load; empty when the user cancels.
    virtual QString chooseFile();
    virtual void reportError(const QString &text);

private:
    void updateCount();
    void finish(Choice choice);

    Choice choice_ = Choice::Print;
};
