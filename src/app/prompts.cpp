#include "app/prompts.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

void QtPrompts::Warning(const QString& text, const QString& caption) {
  QMessageBox::warning(parent_, caption, text, QMessageBox::Ok);
}

bool QtPrompts::OkCancel(const QString& text) {
  QMessageBox box(QMessageBox::Warning, Caption(), text, QMessageBox::Ok | QMessageBox::Cancel,
                  parent_);
  return box.exec() == QMessageBox::Ok;
}

bool QtPrompts::YesNo(const QString& text) {
  return QMessageBox::question(parent_, Caption(), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

TAnswer QtPrompts::YesNoCancel(const QString& text) {
  switch (QMessageBox::question(parent_, Caption(), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return TAnswer::Yes;
    case QMessageBox::No:
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
}

QString QtPrompts::OpenFileName(const TFileRequest& request) {
  return QFileDialog::getOpenFileName(parent_, request.Title, request.Folder, request.Filter);
}

QString QtPrompts::SaveFileName(const TFileRequest& request) {
  QString start = request.ProposedName.isEmpty()
                      ? request.Folder
                      : QDir(request.Folder).filePath(request.ProposedName);
  return QFileDialog::getSaveFileName(parent_, request.Title, start, request.Filter);
}

bool QtPrompts::ShowModal(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }
