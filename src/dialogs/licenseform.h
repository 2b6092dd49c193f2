#pragma once
// The licence agreement viewer. The agreement is shown not as text but as a
// tall black-and-white picture; the dialog shows a window-sized strip of it,
// and a vertical scroll bar picks the strip in 100 equal steps. Screen readers
// are given the licence text itself.

#include <QDialog>
#include <QImage>

#include <memory>

class QGroupBox;
class QPushButton;
class QScrollBar;

/// "License Agreement": client area 488 x 287, fixed size, white, centred on
/// the screen at each showing. Created hidden once and shown modally by the
/// About box; keeps its scroll position and window picture between showings.
/// "&Ok" closes it with result 1 (QDialog::Accepted), the close box with
/// QDialog::Rejected.
class LicenceViewer : public QDialog {
    Q_OBJECT
public:
    explicit LicenceViewer(QWidget *parent = nullptr);
    ~LicenceViewer() override;

    /// The first agreement row shown at scroll position `position` (0..100)
    /// for Gridora's own pictures: (position × 1185) / 100, 1185 being the
    /// agreement's 1400 rows less the window's 215.
    static int stripOffset(int position);

    QScrollBar *scrollBar;     ///< 0..100, steps of 1; first in the tab order
    QGroupBox *agreementGroup; ///< "Agreement", holds stripView and scrollBar
    QPushButton *okButton;     ///< "&Ok"
    QWidget *stripView;        ///< shows windowPicture(); read out as the licence text

    /// The agreement picture: 450 x 1400, Format_Mono, colour table {black, white},
    /// rendered from the licence text when Gridora is built.
    const QImage &agreementPicture() const;
    /// stripView's picture: 447 x 215, the strip last copied.
    const QImage &windowPicture() const;

    /// Copies the strip for scrollBar->value() into the window picture. Runs
    /// on every change of the scroll bar's position.
    void showStrip();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showFirstStrip();

    struct Pictures;
    std::unique_ptr<Pictures> pictures_;
    int stepCount_ = 100; ///< the scroll step count: scroll bar maximum and offset divisor
};
