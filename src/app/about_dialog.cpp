#include "app/about_dialog.h"

#include "dialogs/dialog_text.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutDialog"));
  setWindowTitle(tr("About Quarrion"));
  auto* name = new QLabel(QStringLiteral("Quarrion"), this);
  name->setObjectName(QStringLiteral("ProductName"));
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  auto* version = new QLabel(QStringLiteral("Version 1.0"), this);
  version->setObjectName(QStringLiteral("Version"));
  plugins_ = new QLabel(this);
  plugins_->setObjectName(QStringLiteral("Plugins"));
  plugins_->setTextFormat(Qt::PlainText);
  plugins_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  for (QAbstractButton* button : buttons->buttons()) button->setAccessibleName(WithoutAccelerator(button->text()));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addWidget(plugins_);
  layout->addWidget(buttons);
  SetPluginLines({});
}

void AboutDialog::SetPluginLines(const QStringList& lines) {
  plugins_->setText(lines.join(QLatin1Char('\n')));
  plugins_->setVisible(!lines.isEmpty());
}

QString AboutDialog::PluginText() const { return plugins_->text(); }
