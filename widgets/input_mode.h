#pragma once
// Switches the input method of a text field between alphabetic and native input.
class QWidget;

enum InputMode : int { InputAlphabetic = 0, InputNative = 1 };

// Alphabetic input prefers Latin characters; native input leaves the input method free.
void switch_input_mode(int mode, QWidget* field);
