#pragma once
// A main window for class-set tests: its PDF file dialog, its notes and the
// user's cancel button are stand-ins.

#include "app_test_support.h"
#include "classset.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <cstddef>

namespace gridora::app::test {

class ClassSetWindow : public TestWindow {
public:
    using TestWindow::TestWindow;

    QString pdfPath;
    QString suggestedName; ///< the name the last file dialog offered
    QString progressTitle; ///< the title of the last progress window
    QStringList notes;
    std::size_t cancelAfter = 0; ///< pages drawn before the user cancels; 0: never

protected:
    QString choosePdfFile(const QString &suggested) override
    {
        suggestedName = suggested;
        return pdfPath;
    }
    void reportNote(const QString &text) override { notes << text; }
    bool classSetGoesOn(QProgressDialog &progress, std::size_t done) override
    {
        progressTitle = progress.windowTitle();
        return cancelAfter == 0 || done < cancelAfter;
    }
};

/// The names as the teacher types them into the dialog, and the button she presses.
inline void fill(ClassSetDialog &dialog, const QString &names, bool header, QPushButton *ClassSetDialog::*button)
{
    dialog.namesEdit->setPlainText(names);
    dialog.headerCheckBox->setChecked(header);
    (dialog.*button)->click();
}

} // namespace gridora::app::test
