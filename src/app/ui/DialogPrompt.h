#pragma once

#include "app/UserPrompt.h"

class QWidget;

namespace tekvora::app {

/// The user prompt of the windows: the program's message boxes over the given window.
class DialogPrompt : public UserPrompt
{
public:
    explicit DialogPrompt(QWidget *parent = nullptr) : m_parent(parent) {}

    bool confirm(const QString &text) override;
    void inform(const QString &text) override;
    void error(const QString &text) override;

private:
    QWidget *m_parent;
};

} // namespace tekvora::app
