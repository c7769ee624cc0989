#include "shell/SeveralRadiosDialog.h"

#include "link/PortAssignments.h"
#include "link/PortMapping.h"
#include "link/PortNames.h"
#include "link/SerialPortList.h"
#include "link/SerialRadioPort.h"
#include "session/RadioFleet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { PortColumn, ModelColumn, ProgressColumn, ResultColumn, ColumnCount };
constexpr int MinimumTableWidth = 640;

} // namespace

SeveralRadiosDialog::SeveralRadiosDialog(const CloneImage &image, std::shared_ptr<const SerialPortList> ports,
                                         std::function<void(RadioSession &)> configure, QWidget *parent)
    : QDialog(parent), m_image(image), m_configure(std::move(configure))
{
    setObjectName(QStringLiteral("dlgSeveralRadios"));
    setWindowTitle(tr("Write to Several Radios"));

    auto *radios = new QGroupBox(tr("Radios (one cable each)"), this);
    auto *radioList = new QVBoxLayout(radios);
    const auto addRadio = [this, radios, radioList](const QString &text, const QString &path) {
        auto *box = new QCheckBox(text, radios);
        box->setProperty("devicePath", path);
        radioList->addWidget(box);
        m_portBoxes.append(box);
    };
    const PortNames names(*ports, PortAssignments::forThisUser());
    QStringList listed;
    for (const DetectedPort &port : names.detected()) {
        addRadio(port.summary(), port.systemPath);
        listed.append(port.systemPath);
    }
    // Devices the system does not list that a port number leads to (set in
    // the environment or assigned, such as the virtual radio).
    for (int number = PortNames::FirstPort; number <= PortNames::LastPort; ++number) {
        const PortMapping mapping = names.mappingFor(number);
        if (mapping.source == PortMapping::Source::Guess || !mapping.present || listed.contains(mapping.device))
            continue;
        addRadio(tr("%1 (port %2)").arg(mapping.device).arg(number), mapping.device);
        listed.append(mapping.device);
    }
    if (m_portBoxes.isEmpty())
        radioList->addWidget(new QLabel(tr("No serial device is present."), radios));

    auto *how = new QGroupBox(tr("Write"), this);
    auto *howList = new QVBoxLayout(how);
    auto *changes = new QRadioButton(tr("Write &Changes: read and back up each radio, then write only what differs"), how);
    auto *all = new QRadioButton(tr("Write &ALL: settings, VFOs and every channel"), how);
    changes->setChecked(true);
    m_how = new QButtonGroup(this);
    m_how->addButton(changes, int(RadioFleet::Write::Changes));
    m_how->addButton(all, int(RadioFleet::Write::All));
    howList->addWidget(changes);
    howList->addWidget(all);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("lstRadios"));
    m_table->setAccessibleName(tr("Radios being written"));
    m_table->setHorizontalHeaderLabels({tr("Port"), tr("Model"), tr("Progress"), tr("Result")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(PortColumn, QHeaderView::ResizeToContents);
    m_table->setMinimumWidth(MinimumTableWidth);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));

    auto *buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(tr("&Start"), QDialogButtonBox::ActionRole);
    m_start->setObjectName(QStringLiteral("cmdStart"));
    m_stop = buttons->addButton(tr("S&top"), QDialogButtonBox::ActionRole);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    m_copy = buttons->addButton(tr("Copy S&ummary"), QDialogButtonBox::ActionRole);
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    m_close = buttons->addButton(QDialogButtonBox::Close);
    connect(m_start, &QPushButton::clicked, this, &SeveralRadiosDialog::startWriting);
    connect(m_stop, &QPushButton::clicked, this, &SeveralRadiosDialog::stopWriting);
    connect(m_copy, &QPushButton::clicked, this, &SeveralRadiosDialog::copySummary);
    connect(buttons, &QDialogButtonBox::rejected, this, &SeveralRadiosDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(radios);
    layout->addWidget(how);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    setRunning(false);
    m_copy->setEnabled(false);
}

SeveralRadiosDialog::~SeveralRadiosDialog() = default;

bool SeveralRadiosDialog::isRunning() const
{
    return m_fleet && m_fleet->isRunning();
}

void SeveralRadiosDialog::startWriting()
{
    if (isRunning())
        return;
    m_fleet = std::make_unique<RadioFleet>();
    m_table->setRowCount(0);
    for (QCheckBox *box : std::as_const(m_portBoxes)) {
        if (!box->isChecked())
            continue;
        const QString path = box->property("devicePath").toString();
        auto port = std::make_unique<SerialRadioPort>();
        port->setDevicePath(path);
        m_fleet->addRadio(path, std::move(port));
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        m_table->setItem(row, PortColumn, new QTableWidgetItem(path));
        m_table->setItem(row, ModelColumn, new QTableWidgetItem);
        m_table->setItem(row, ResultColumn, new QTableWidgetItem);
        auto *bar = new QProgressBar(m_table);
        bar->setAccessibleName(tr("Progress of %1").arg(path));
        bar->setRange(0, 0);
        m_table->setCellWidget(row, ProgressColumn, bar);
    }
    if (m_fleet->radioCount() == 0) {
        m_summary->setText(tr("Tick the radios to write."));
        return;
    }
    m_fleet->setConfigure(m_configure);
    connect(m_fleet.get(), &RadioFleet::progress, this, &SeveralRadiosDialog::showProgress);
    connect(m_fleet.get(), &RadioFleet::radioFinished, this, &SeveralRadiosDialog::showResult);
    connect(m_fleet.get(), &RadioFleet::finished, this, &SeveralRadiosDialog::finishRun);
    m_summary->setText(tr("Writing %1 radios").arg(m_fleet->radioCount()));
    setRunning(true);
    m_fleet->start(m_image, RadioFleet::Write(m_how->checkedId()));
}

void SeveralRadiosDialog::stopWriting()
{
    if (isRunning())
        m_fleet->requestStop();
}

void SeveralRadiosDialog::copySummary()
{
    if (m_fleet)
        QGuiApplication::clipboard()->setText(m_fleet->summary().join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void SeveralRadiosDialog::reject()
{
    // Closing waits for the radios: they are stopped first.
    if (isRunning()) {
        stopWriting();
        return;
    }
    QDialog::reject();
}

void SeveralRadiosDialog::showProgress(int radio, int done, int total)
{
    if (auto *bar = qobject_cast<QProgressBar *>(m_table->cellWidget(radio, ProgressColumn))) {
        bar->setRange(0, total);
        bar->setValue(done);
    }
}

void SeveralRadiosDialog::showResult(int radio)
{
    const RadioFleet::Outcome &outcome = m_fleet->outcome(radio);
    m_table->item(radio, ModelColumn)->setText(outcome.model);
    m_table->item(radio, ResultColumn)->setText(outcome.text());
    m_table->item(radio, ResultColumn)->setToolTip(outcome.text());
    if (auto *bar = qobject_cast<QProgressBar *>(m_table->cellWidget(radio, ProgressColumn))) {
        if (bar->maximum() == 0)
            bar->setRange(0, 1);
        if (outcome.succeeded())
            bar->setValue(bar->maximum());
    }
}

void SeveralRadiosDialog::finishRun()
{
    m_summary->setText(m_fleet->summary().constLast());
    setRunning(false);
    m_copy->setEnabled(true);
    emit runFinished();
}

void SeveralRadiosDialog::setRunning(bool running)
{
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    m_close->setEnabled(!running);
    for (QCheckBox *box : std::as_const(m_portBoxes))
        box->setEnabled(!running);
    for (QAbstractButton *button : m_how->buttons())
        button->setEnabled(!running);
}
