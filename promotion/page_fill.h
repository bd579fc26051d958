#pragma once
// Filling the eight wizard pages from the open promotion's lines, once per create or open.

class Editor;

// How the open promotion came to be: a new one copied from the template, or a file opened.
enum class FillPath { Create, Open };

// Copies the open promotion's lines (the chooser's hidden list) into the controls of the eight
// wizard pages, before "Step 1 of 8" is shown.
void loadpromotionpages(Editor& editor, FillPath path);
