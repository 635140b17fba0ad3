#include "app/ErrorReportDialog.h"

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
  auto* label = new QLabel(
      QStringLiteral("The external Convertor reported an error. The logfile \"jconv5.err\" "
                     "contained the following information"),
      bevel);
  label->setObjectName(QStringLiteral("Label1"));
  label->setWordWrap(true);
  Memo1 = new QPlainTextEdit(bevel);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setReadOnly(true);
  auto* inner = new QVBoxLayout(bevel);
  inner->addWidget(label);
  inner->addWidget(Memo1);

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
  Memo1->setPlainText(text.join(u'\n'));
}

QString ErrorReportDialog::reportText() const { return Memo1->toPlainText(); }

}  // namespace tk::app
