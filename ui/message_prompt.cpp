// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_prompt.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tandora {

namespace {

QMessageBox::Icon box_icon(UserPrompt::Icon icon)
{
    return icon == UserPrompt::Icon::Warning ? QMessageBox::Warning : QMessageBox::Information;
}

QMessageBox::StandardButton ask(QWidget *parent, const QString &text, UserPrompt::Icon icon,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton escape)
{
    QMessageBox box(box_icon(icon), QStringLiteral("Tandora"), text, buttons, parent);
    box.setEscapeButton(escape);
    const int answer = box.exec();
    return answer == 0 ? escape : QMessageBox::StandardButton(answer);
}

// "Tandora (*.json)|*.json|(*.*)|*.*" as Qt's file dialog filter "Tandora (*.json);;(*.*)".
QString qt_filter(const QString &patterns)
{
    const QStringList parts = patterns.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &label = parts[i];
        filters.append(label.contains(u'(') ? label
                                            : label + QStringLiteral(" (") + parts[i + 1] + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

void MessagePrompt::message(const QString &text, Icon icon)
{
    ask(m_parent, text, icon, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessagePrompt::ask_yes_no(const QString &text, Icon icon)
{
    return ask(m_parent, text, icon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

UserPrompt::Answer MessagePrompt::ask_yes_no_cancel(const QString &text, Icon icon)
{
    switch (ask(m_parent, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> MessagePrompt::ask_text(const QString &title, const QString &label,
                                               const QString &default_answer)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, default_answer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

QString MessagePrompt::choose_open_file(const QString &title, const QString &start,
                                        const QString &patterns)
{
    return QFileDialog::getOpenFileName(m_parent, title, start, qt_filter(patterns));
}

QString MessagePrompt::choose_save_file(const QString &title, const QString &start,
                                        const QString &patterns)
{
    // The program asks itself before replacing a file, with its own words.
    return QFileDialog::getSaveFileName(m_parent, title, start, qt_filter(patterns), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString MessagePrompt::choose_folder(const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(m_parent, title, start);
}

qint64 MessagePrompt::choose_colour(qint64 start)
{
    const QColor initial =
        start < 0 ? QColor(Qt::white)
                  : QColor(int(start & 0xFF), int((start >> 8) & 0xFF), int((start >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(initial, m_parent);
    if (!chosen.isValid())
        return -1;
    return qint64(chosen.red()) | qint64(chosen.green()) << 8 | qint64(chosen.blue()) << 16;
}

int MessagePrompt::choose_language(const QStringList &names)
{
    // The language is not known yet, so the dialog speaks German and English at once.
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("Tandora"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Sprache wählen / Select Language:"), &dialog));
    auto *choice = new QComboBox(&dialog);
    choice->addItems(names);
    choice->setCurrentIndex(0);
    layout->addWidget(choice);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return choice->currentIndex();
}

} // namespace tandora
