#include "app/ErrorReportDialog.h"

#include "app/AppTexts.h"
#include "app/Text.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tk::app {

ErrorReportDialog::ErrorReportDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ConvErrorDialog"));
  setWindowTitle(QStringLiteral("Error Report"));

  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* label = new QLabel(ErrorReportHeading(), bevel);
  label->setObjectName(QStringLiteral("Label1"));
  label->setWordWrap(true);
  reportBox_ = new QPlainTextEdit(bevel);
  reportBox_->setObjectName(QStringLiteral("Memo1"));
  reportBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  reportBox_->setReadOnly(true);
  auto* inner = new QVBoxLayout(bevel);
  inner->addWidget(label);
  inner->addWidget(reportBox_);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bevel);
  layout->addLayout(buttons);
  resize(440, 300);
}

void ErrorReportDialog::fill(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << FromCore(line);
  reportBox_->setPlainText(text.join(u'\n'));
}

QString ErrorReportDialog::reportText() const { return reportBox_->toPlainText(); }

}  // namespace tk::app
