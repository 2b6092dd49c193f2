#pragma once
// What the main window's tests share: a window whose modal dialogs, print
// dialog and error box are recorded instead of shown, a printer target that
// records its documents, and the user's ways of choosing in a box.

#include "canvas_picture.h"
#include "choicebox.h"
#include "printer.h"
#include "main_window.h"
#include "trace_surface.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QComboBox>
#include <QDialog>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>
#include <sstream>
#include <utility>

namespace gridora::app::test {

class TestWindow : public MainWindow {
public:
    using MainWindow::MainWindow;

    QStringList errors;
    QList<QDialog *> modals;
    /// Stands in for the print set-up dialog when set; otherwise the real one runs.
    std::function<bool(QPrinter &)> printDialog;
    QStringList warnings; ///< what the user was asked to go on in spite of
    bool goOn = true;     ///< the user's answer

protected:
    int showModal(QDialog &dialog) override
    {
        modals << &dialog;
        return QDialog::Accepted;
    }
    bool runPrintDialog(QPrinter &printer) override
    {
        return printDialog ? printDialog(printer) : MainWindow::runPrintDialog(printer);
    }
    void reportError(const QString &text) override { errors << text; }
    bool askToGoOn(const QString &warning) override
    {
        warnings << warning;
        return goOn;
    }
};

/// Records each document's page as a trace; can refuse to open.
class RecordingTarget : public PrintTarget {
public:
    int begun = 0;
    int ended = 0;
    int aborted = 0;
    const char *refusal = nullptr; ///< when set, beginDocument throws EPrinter with it
    std::function<void()> onBegin;
    std::function<void()> onWrite; ///< runs at the page's first text, while the document is open
    std::function<void()> onEnd;
    std::ostringstream trace;

    int pageWidth() const override { return 4800; }
    int pageHeight() const override { return 6600; }
    Surface &beginDocument() override
    {
        if (refusal)
            throw EPrinter(refusal);
        ++begun;
        page_ = std::make_unique<Page>(trace, pageWidth(), pageHeight(), onWrite);
        if (onBegin)
            onBegin();
        return *page_;
    }
    void newPage() override
    {
        if (page_)
            page_->writeLine("newpage");
    }
    void endDocument() override
    {
        ++ended;
        if (onEnd)
            onEnd();
        page_.reset();
    }
    void abortDocument() override
    {
        ++aborted;
        page_.reset();
    }

private:
    class Page : public TraceSurface {
    public:
        Page(std::ostream &out, int width, int height, std::function<void()> onWrite)
            : TraceSurface(out, width, height, 600), onWrite_(std::move(onWrite)) // a 600 dpi page
        {
        }
        void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) override
        {
            if (auto hook = std::exchange(onWrite_, nullptr))
                hook();
            TraceSurface::text(at, text, font, brush);
        }

    private:
        std::function<void()> onWrite_;
    };

    std::unique_ptr<Page> page_;
};

/// Runs `handle` on the next modal dialog once it shows, however long the
/// machine takes to show it. A dialog the handler leaves open is closed ten
/// seconds later, so that no exec() can hang the test; with no dialog within
/// a minute the polling stops.
inline void whenModalShows(std::function<void(QWidget *)> handle)
{
    auto *poll = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, started, handle = std::move(handle)] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            handle(modal);
            if (modal->isVisible())
                QTimer::singleShot(10000, modal, [modal] { modal->close(); });
        } else if (started->elapsed() > 60000) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

/// Chooses entry `index` the way the user does: in the opened list, with the
/// keyboard.
inline void pick(QComboBox *box, int index)
{
    box->showPopup();
    QAbstractItemView *list = box->view();
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

/// A black block painted on the sample picture, leaving its canvas's pen and
/// brush as they were: a redraw of the sample removes it.
inline void stamp(CanvasPicture &picture)
{
    TCanvas &canvas = picture.canvas();
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    canvas.Pen = TPen{};
    canvas.Brush.Color = clBlack;
    canvas.Rectangle(150, 150, 200, 200);
    canvas.Pen = pen;
    canvas.Brush = brush;
}

inline bool stamped(const QImage &picture)
{
    for (int y = 150; y < 200; ++y)
        for (int x = 150; x < 200; ++x)
            if (picture.pixel(x, y) != 0xFF000000u)
                return false;
    return true;
}

} // namespace gridora::app::test
