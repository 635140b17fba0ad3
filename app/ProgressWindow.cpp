#include "app/ProgressWindow.h"

#include "app/Text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
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
  LabelFName = new QLabel(this);
  LabelFName->setObjectName(QStringLiteral("LabelFName"));
  LabelFName->setFixedWidth(kNameWidth);
  LabelPrefix = new QLabel(QStringLiteral("Working on Record Number"), this);
  LabelPrefix->setObjectName(QStringLiteral("LabelPrefix"));
  LabelRec = new QLabel(QStringLiteral("0"), this);
  LabelRec->setObjectName(QStringLiteral("LabelRec"));
  LabelRec->setMinimumWidth(80);

  // Indexes follow tk::Banner.
  banners_ = new QStackedWidget(this);
  banners_->addWidget(BannerLabel(QStringLiteral("Moving  References  to  JFile"), "Panel1", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Moving  JFile  to  References"), "Panel2", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Waiting for External Program"), "Panel3", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Moving from  References"), "Panel4", this));
  banners_->addWidget(BannerLabel(QStringLiteral("Moving to  JFile"), "Panel5", this));
  banners_->setFixedHeight(44);

  PanelBar = new QWidget(this);
  PanelBar->setObjectName(QStringLiteral("PanelBar"));
  ProgBarJF = new QProgressBar(PanelBar);
  ProgBarJF->setObjectName(QStringLiteral("ProgBarJF"));
  ProgBarJF->setRange(1, 100);
  ProgBarJF->setValue(1);
  ProgBarJF->setTextVisible(false);
  auto* barLayout = new QHBoxLayout(PanelBar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->addWidget(ProgBarJF);

  auto* grid = new QGridLayout;
  grid->addWidget(label9, 0, 0);
  grid->addWidget(LabelFName, 0, 1);
  grid->addWidget(LabelPrefix, 1, 0);
  grid->addWidget(LabelRec, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(banners_);
  layout->addWidget(PanelBar);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::start(const ProgressSetup& setup) {
  LabelPrefix->setText(FromCore(setup.prefix));
  const QString name = PathFromCore(setup.sourceFile);
  LabelFName->setText(LabelFName->fontMetrics().elidedText(name, Qt::ElideMiddle, kNameWidth));
  LabelFName->setToolTip(name);
  record_ = 0;
  shownRecord_ = -1;
  LabelRec->setVisible(setup.showRecordCounter);
  refresh();
  setBanner(setup.banner);
  PanelBar->setVisible(setup.showBar);
  show();
  raise();
}

void ProgressWindow::finish() {
  hide();
  ProgBarJF->setValue(ProgBarJF->minimum());
}

void ProgressWindow::setBanner(Banner banner) {
  banners_->setCurrentIndex(static_cast<int>(banner));
}

void ProgressWindow::step(int n) {
  if (ProgBarJF->value() < ProgBarJF->maximum())
    ProgBarJF->setValue(std::clamp(n + 2, ProgBarJF->minimum(), ProgBarJF->maximum()));
}

void ProgressWindow::refresh() {
  if (record_ == shownRecord_) return;
  shownRecord_ = record_;
  LabelRec->setText(QString::number(record_));
}

int ProgressWindow::barPosition() const { return ProgBarJF->value(); }
Banner ProgressWindow::banner() const { return static_cast<Banner>(banners_->currentIndex()); }
QString ProgressWindow::recordText() const { return LabelRec->text(); }

}  // namespace tk::app
