// The group name window: one text field, "OK" and "Cancel". "OK" with an
// empty field says "Enter group name" and keeps the window open.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

class CGroupNameDlg : public QDialog {
    Q_OBJECT
public:
    // warn shows a message over this window.
    CGroupNameDlg(const QString& initial, std::function<void(QWidget*, const QString&)> warn,
                  QWidget* parent);

    QString Name() const;
    QLineEdit* NameField() const { return m_pName; }

    void accept() override;

private:
    QLineEdit* m_pName;
    std::function<void(QWidget*, const QString&)> m_warn;
};
