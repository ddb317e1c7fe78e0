#include "db/ui/TF_Mess.h"

#include "db/Maintenance.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace tekvora::db {

namespace {
QPointer<TF_Mess> g_window;
} // namespace

TF_Mess::TF_Mess()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_list(new QListWidget(this))
    , m_status(new QLabel(this))
    , m_abort(new QPushButton(QStringLiteral("&Abbruch"), this))
{
    setObjectName(QStringLiteral("TF_Mess"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_status->setObjectName(QStringLiteral("LabelStatus"));
    m_abort->setObjectName(QStringLiteral("BtnAbbruch"));
    m_abort->setAutoDefault(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_abort);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);

    connect(m_abort, &QPushButton::clicked, this, [] { requestAbort(); });
    resize(420, 300);
    m_designedSize = size();
}

void TF_Mess::openList(const QString &caption, const QString &firstLine, int left, int top)
{
    if (!maintenanceActive() || g_window)
        return;
    g_window = new TF_Mess;
    g_window->m_designedSize = g_window->size();
    g_window->move(left, top);
    g_window->setWindowTitle(caption);
    g_window->m_list->clear();
    g_window->m_status->clear();
    g_window->show();
    appendLine(firstLine);
}

void TF_Mess::setListWidth(int width)
{
    if (!maintenanceActive() || !g_window)
        return;
    g_window->resize(width, g_window->height());
    g_window->repaint();
}

void TF_Mess::setListHeight(int height)
{
    if (!maintenanceActive() || !g_window)
        return;
    g_window->resize(g_window->width(), height);
    g_window->repaint();
}

void TF_Mess::appendLine(const QString &line)
{
    if (!maintenanceActive() || !g_window)
        return;
    g_window->m_list->addItem(line);
    g_window->m_list->setCurrentRow(g_window->m_list->count() - 1);
    g_window->m_list->scrollToBottom();
    QApplication::processEvents();
}

void TF_Mess::setStatus(const QString &text)
{
    if (!maintenanceActive() || !g_window)
        return;
    g_window->m_status->setText(text);
    QApplication::processEvents();
}

void TF_Mess::disableAbort()
{
    if (!maintenanceActive() || !g_window)
        return;
    g_window->m_abort->setEnabled(false);
}

void TF_Mess::closeList()
{
    if (!maintenanceActive() || !g_window)
        return;
    TF_Mess *window = g_window;
    g_window = nullptr;
    window->m_list->clear();
    window->resize(window->m_designedSize);
    window->QDialog::close();
}

TF_Mess *TF_Mess::instance()
{
    return g_window;
}

} // namespace tekvora::db
