#include "classset.h"

#include "language.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace names = gridora::names;

namespace {

template <class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString sentence(const names::NameListError &error, const QString &file)
{
    return gridora::i18n::say(names::errorMessage(error, file.toStdString()));
}

// A name from a CSV field may hold line breaks; the box holds one per line.
QString asOneLine(const std::string &name)
{
    QString line = QString::fromStdString(name);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

ClassSetDialog::ClassSetDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("classSetDialog"));
    setWindowTitle(tr("Class Set"));

    sheetLabel = named(new QLabel(this), "sheetLabel");
    sheetLabel->setWordWrap(true);
    auto *prompt = new QLabel(tr("&Names, one per line:"), this);
    namesEdit = named(new QPlainTextEdit(this), "namesEdit");
    namesEdit->setTabChangesFocus(true);
    namesEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    namesEdit->setAccessibleName(tr("Names, one per line"));
    prompt->setBuddy(namesEdit);

    loadButton = named(new QPushButton(tr("&Load from File..."), this), "loadButton");
    headerCheckBox = named(new QCheckBox(tr("First line is a &header"), this), "headerCheckBox");
    countLabel = named(new QLabel(this), "countLabel");
    countLabel->setWordWrap(true);
    printButton = named(new QPushButton(tr("&Print"), this), "printButton");
    pdfButton = named(new QPushButton(tr("Save as P&DF..."), this), "pdfButton");
    closeButton = named(new QPushButton(tr("Close"), this), "closeButton");
    printButton->setDefault(true);
    printButton->setAutoDefault(true);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(loadButton);
    fileRow->addWidget(headerCheckBox);
    fileRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(pdfButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sheetLabel);
    layout->addWidget(prompt);
    layout->addWidget(namesEdit, 1);
    layout->addLayout(fileRow);
    layout->addWidget(countLabel);
    layout->addLayout(buttons);
    resize(360, 420);

    connect(namesEdit, &QPlainTextEdit::textChanged, this, &ClassSetDialog::updateCount);
    connect(headerCheckBox, &QCheckBox::toggled, this, &ClassSetDialog::updateCount);
    connect(loadButton, &QPushButton::clicked, this, [this] {
        const QString path = chooseFile();
        if (path.isEmpty())
            return;
        if (const QString error = loadFile(path); !error.isEmpty())
            reportError(error);
    });
    connect(printButton, &QPushButton::clicked, this, [this] { finish(Choice::Print); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { finish(Choice::SavePdf); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    updateCount();
}

void ClassSetDialog::setSheet(const QString &sheet)
{
    sheetLabel->setText(tr("Every name below gets its own page of %1, with the name in the "
                               "top-left corner, in the order of the list.")
                            .arg(sheet));
}

names::NameList ClassSetDialog::nameList() const
{
    const QByteArray text = namesEdit->toPlainText().toUtf8();
    return names::readNameList(std::string_view(text.constData(), std::size_t(text.size())),
                               names::ListFormat::Text,
                               headerCheckBox->isChecked() ? names::HeaderRow::Skip : names::HeaderRow::Keep);
}

std::vector<std::string> ClassSetDialog::names() const
{
    names::NameList list = nameList();
    return list.error ? std::vector<std::string>{} : std::move(list.names);
}

QString ClassSetDialog::loadFile(const QString &path)
{
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("%1 cannot be read: %2.").arg(shown, file.errorString());
    const QByteArray text = file.read(qint64(names::kMaxListBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return tr("%1 cannot be read: %2.").arg(shown, file.errorString());
    // The header stays in the box, its first line, for the check box to skip.
    const names::NameList list =
        names::readNameList(std::string_view(text.constData(), std::size_t(text.size())),
                            names::formatOfFile(path.toStdString()), names::HeaderRow::Keep);
    if (list.error)
        return sentence(*list.error, shown);
    QStringList lines;
    for (const std::string &name : list.names)
        lines << asOneLine(name);
    namesEdit->setPlainText(lines.join(QLatin1Char('\n')));
    return {};
}

void ClassSetDialog::updateCount()
{
    const names::NameList list = nameList();
    const bool ready = !list.error;
    if (ready)
        countLabel->setText(list.names.size() == 1 ? tr("1 page will print.")
                                                   : tr("%1 pages will print.").arg(list.names.size()));
    else if (list.error->line == 0 && namesEdit->toPlainText().trimmed().isEmpty())
        countLabel->setText(tr("No names yet."));
    else
        countLabel->setText(sentence(*list.error, QString()));
    printButton->setEnabled(ready);
    pdfButton->setEnabled(ready);
}

void ClassSetDialog::finish(Choice choice)
{
    choice_ = choice;
    accept();
}

QString ClassSetDialog::chooseFile()
{
    return QFileDialog::getOpenFileName(this, tr("Load Names"), QString(),
                                        tr("Names (*.txt *.csv);;All files (*)"));
}

void ClassSetDialog::reportError(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, tr("Class Set"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
