#include "licenseform.h"

#include "agreement_strip.h"
#include "image_surface.h"
#include "dialog_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

namespace {

constexpr int agreementWidth = 450;
constexpr int agreementHeight = 1400;
constexpr int windowWidth = 447;
constexpr int windowHeight = 215;
constexpr int stepCount = 100;

// The agreement picture compiled in by the build, in the viewer's format: one
// bit per pixel with index 0 black and index 1 white, whatever palette order
// the PNG came back with. A missing picture leaves a blank page of the right
// size rather than breaking the scroll arithmetic.
QImage loadAgreement()
{
    const QImage loaded(QStringLiteral(":/gridora/agreement.png"));
    if (loaded.isNull()) {
        QImage blank(agreementWidth, agreementHeight, QImage::Format_Mono);
        blank.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        blank.fill(1);
        return blank;
    }
    const QList<QRgb> blackWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (loaded.format() == QImage::Format_Mono && loaded.colorTable() == blackWhite)
        return loaded; // as the build writes it: converting would only cost start-up time
    return loaded.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_Mono, blackWhite);
}

// The licence text the agreement picture was rendered from, compiled in
// beside it.
QString loadAgreementText()
{
    QFile file(QStringLiteral(":/gridora/LICENSE"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

namespace gridora::dialogs {

// The strip view holds the agreement's words as well as its picture: a
// screen reader can read no picture.
class AgreementView : public PictureBox {
    Q_OBJECT
public:
    AgreementView(const QImage *picture, QWidget *parent) : PictureBox(picture, parent) {}

    const QString text = loadAgreementText();
};

namespace {

// The agreement as a read-only document whose text is the whole licence.
// The picture sets the words in lines of its own, not the file's: where a
// character lies on screen is not known, so none is given. Nothing on a
// picture can be selected.
class AgreementAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AgreementAccessible(AgreementView *view) : QAccessibleWidget(view, QAccessible::Document) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name)
            return widget()->window()->windowTitle(); // "License Agreement"
        return QAccessibleWidget::text(which);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return agreement().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(agreement().size()); }

    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QString &agreement() const { return static_cast<AgreementView *>(widget())->text; }
};

} // namespace
} // namespace gridora::dialogs

// The agreement picture (never shown) and the strip stripView shows, each a
// surface of the canvas layer so that the strip copy is the canvas's own
// CopyRect.
struct LicenceViewer::Pictures {
    gridora::dialogs::PictureSurface agreement{loadAgreement()};
    gridora::ImageSurface strip{windowWidth, windowHeight};
    gridora::TCanvas agreementCanvas{&agreement};
    gridora::TCanvas stripCanvas{&strip};
};

LicenceViewer::LicenceViewer(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          // Only the About box opens the viewer, and that box
                          // stays on top: so must the viewer, to be seen.
                          | Qt::WindowStaysOnTopHint),
      pictures_(std::make_unique<Pictures>())
{
    gridora::dialogs::useAccessible<gridora::dialogs::AgreementView, gridora::dialogs::AgreementAccessible>();
    setObjectName(QStringLiteral("licenceViewer"));
    setWindowTitle(tr("License Agreement"));
    setFixedSize(488, 287);
    setFont(gridora::dialogs::dialogFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Creation order is the tab order: the group box with its scroll bar
    // first, then the button.
    agreementGroup = new QGroupBox(tr("Agreement"), this);
    agreementGroup->setObjectName(QStringLiteral("agreementGroup"));
    agreementGroup->setGeometry(8, 8, 473, 233);

    stripView = new gridora::dialogs::AgreementView(&pictures_->strip.image(), agreementGroup);
    stripView->setObjectName(QStringLiteral("stripView"));
    stripView->setGeometry(2, 14, windowWidth, windowHeight);

    scrollBar = new gridora::dialogs::StepScrollBar(agreementGroup);
    scrollBar->setObjectName(QStringLiteral("scrollBar"));
    scrollBar->setGeometry(451, 8, 18, 225);
    scrollBar->setRange(0, 100);
    scrollBar->setSingleStep(1);
    // Qt has no separate page size: the page step also sizes the thumb, and
    // 1 gives both the large step of one and the smallest thumb.
    scrollBar->setPageStep(1);
    connect(scrollBar, &QScrollBar::valueChanged, this, [this] { showStrip(); });

    okButton = new gridora::dialogs::FocusButton(tr("&Ok"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(184, 248, 89, 33);
    // Return means "&Ok" wherever the focus is; Escape is the close box.
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { done(1); });

    showFirstStrip();
}

LicenceViewer::~LicenceViewer() = default;

void LicenceViewer::showFirstStrip()
{
    scrollBar->setMaximum(stepCount_);
    scrollBar->setValue(0);
    showStrip(); // the first strip: rows 0 to 214
}

int LicenceViewer::stripOffset(int position)
{
    return gridora::dialogs::stripOffset(position, agreementHeight, windowHeight, stepCount);
}

const QImage &LicenceViewer::agreementPicture() const
{
    return pictures_->agreement.picture();
}

const QImage &LicenceViewer::windowPicture() const
{
    return pictures_->strip.image();
}

void LicenceViewer::showStrip()
{
    const int offset = gridora::dialogs::stripOffset(scrollBar->value(), pictures_->agreement.height(),
                                                     pictures_->strip.height(), stepCount_);
    gridora::dialogs::copyStrip(pictures_->stripCanvas, pictures_->agreementCanvas, offset);
    stripView->update();
}

void LicenceViewer::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        gridora::dialogs::centreOnScreen(this);
    QDialog::showEvent(event);
}

#include "licenseform.moc"
