#include "app/ProgressWindow.h"

#include "app/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tk::app {
namespace {

constexpr int kNameWidth = 320;

QLabel* BannerLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Raised);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("progDlg"));
  setWindowTitle(QStringLiteral("Conversion in Progress"));
  setModal(false);

  auto* label9 = new QLabel(QStringLiteral("Source File"), this);
  label9->setObjectName(QStringLiteral("Label9"));
  fileLabel_ = new QLabel(this);
  fileLabel_->setObjectName(QStringLiteral("LabelFName"));
  fileLabel_->setFixedWidth(kNameWidth);
  prefixLabel_ = new QLabel(QStringLiteral("Working on Record Number"), this);
  prefixLabel_->setObjectName(QStringLiteral("LabelPrefix"));
  recordLabel_ = new QLabel(QStringLiteral("0"), this);
  recordLabel_->setObjectName(QStringLiteral("LabelRec"));
  recordLabel_->setMinimumWidth(80);

  // Indexes follow tk::Banner.
  banners_ = new QStackedWidget(this);
  banners_->addWidget(BannerLabel(QStringLiteral("Moving  References  to  JFile"), "Panel1", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Moving  JFile  to  References"), "Panel2", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Waiting for External Program"), "Panel3", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Moving from  References"), "Panel4", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Moving to  JFile"), "Panel5", this));
  banners_->setFixedHeight(44);

  barPanel_ = new QWidget(this);
  barPanel_->setObjectName(QStringLiteral("PanelBar"));
  bar_ = new QProgressBar(barPanel_);
  bar_->setObjectName(QStringLiteral("ProgBarJF"));
  bar_->setRange(1, 100);
  bar_->setValue(1);
  bar_->setTextVisible(false);
  auto* barLayout = new QHBoxLayout(barPanel_);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->addWidget(bar_);

  stopButton_ = new QPushButton(QStringLiteral("&Stop"), this);
  stopButton_->setObjectName(QStringLiteral("BtnStop"));
  stopButton_->setAutoDefault(false);
  connect(stopButton_, &QPushButton::clicked, this, &ProgressWindow::stop);

  auto* grid = new QGridLayout;
  grid->addWidget(label9, 0, 0);
  grid->addWidget(fileLabel_, 0, 1);
  grid->addWidget(prefixLabel_, 1, 0);
  grid->addWidget(recordLabel_, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(banners_);
  layout->addWidget(barPanel_);
  layout->addWidget(stopButton_, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::start(const ProgressSetup& setup) {
  prefixLabel_->setText(FromCore(setup.prefix));
  const QString name = PathFromCore(setup.sourceFile);
  fileLabel_->setText(fileLabel_->fontMetrics().elidedText(name, Qt::ElideMiddle, kNameWidth));
  fileLabel_->setToolTip(name);
  record_ = 0;
  shownRecord_ = -1;
  recordLabel_->setVisible(setup.showRecordCounter);
  refresh();
  setBanner(setup.banner);
  barPanel_->setVisible(setup.showBar);
  stopButton_->setEnabled(true);
  show();
  raise();
}

void ProgressWindow::finish() {
  hide();
  bar_->setValue(bar_->minimum());
}

void ProgressWindow::setBanner(Banner banner) {
  banners_->setCurrentIndex(static_cast<int>(banner));
}

void ProgressWindow::step(int n) {
  if (bar_->value() < bar_->maximum())
    bar_->setValue(std::clamp(n + 2, bar_->minimum(), bar_->maximum()));
}

void ProgressWindow::refresh() {
  if (record_ == shownRecord_) return;
  shownRecord_ = record_;
  recordLabel_->setText(QString::number(record_));
}

void ProgressWindow::reject() { stop(); }

void ProgressWindow::stop() {
  // The conversion may take a moment to get round to it; the greyed-out
  // button tells the user the request was heard.
  stopButton_->setEnabled(false);
  emit stopClicked();
}

int ProgressWindow::barPosition() const { return bar_->value(); }
Banner ProgressWindow::banner() const { return static_cast<Banner>(banners_->currentIndex()); }
QString ProgressWindow::recordText() const { return recordLabel_->text(); }

}  // namespace tk::app
