#pragma once
// A window shown modally: it blocks input to every other window and the call returns only when
// it hides (closed, cancelled or hidden by its own buttons). Its modality outside this call is
// left as it was, so the same window can also be shown normally elsewhere.

class QWidget;

// `owner`, when given, keeps the window above it (a stay-on-top owner would hide it otherwise).
void ShowModal(QWidget* window, QWidget* owner = nullptr);
