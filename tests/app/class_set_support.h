#pragma once
// A main window for class-set tests: its PDF file dialog, its notes and the
// user's cancel button are stand-ins.

#include "app_test_support.h"
#include "classset.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstddef>

namespace gridora::app::test {

class ClassSetWindow : public TestWindow {
public:
    using TestWindow::TestWindow;

    QString pdfPath;
    QStringList notes;
    std::size_t cancelAfter = 0; ///< pages drawn before the user cancels; 0: never

protected:
    QString choosePdfFile() override { return pdfPath; }
    void reportNote(const QString &text) override { notes << text; }
    bool classSetGoesOn(QProgressDialog &, std::size_t done) override { return cancelAfter == 0 || done < cancelAfter; }
};

/// The names as the teacher types them into the dialog, and the button she presses.
inline void fill(ClassSetDialog &dialog, const QString &names, bool header, QPushButton *ClassSetDialog::*button)
{
    dialog.namesEdit->setPlainText(names);
    dialog.headerCheckBox->setChecked(header);
    (dialog.*button)->click();
}

} // namespace gridora::app::test
