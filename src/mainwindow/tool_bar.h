#pragma once

class CommandSet;
class QToolBar;
class QWidget;

// The tool bar's buttons in their order, with separators, on the shared command actions.
QToolBar *CreateToolBar(const CommandSet &commands, QWidget *parent);
