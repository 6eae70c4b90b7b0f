// A two-dimensional symbol's modules as box rectangles: the renderer and the standard look
// fill the same ones.
#pragma once

#include <quillmark/engine.h>
#include <quillmark/module_grid.h>

namespace quillmark {

// Calls Fill(X0, X1, Y0, Y1) with the closed box rectangle of each run of dark modules in a
// row of Grid, Modul pixels a module (a row as many modules high as its RowHeight), the
// grid's top-left module at (0, Top).
template <typename FillBox>
void ForEachDarkRun(const TModuleGrid& Grid, int Modul, long long Top, FillBox Fill) {
    const long long m = Modul;
    long long y = Top;
    for (int row = 0; row < Grid.Rows; ++row) {
        const long long height = Grid.RowHeight(row) * m;
        for (int column = 0; column < Grid.Columns;) {
            if (!Grid.IsDark(column, row)) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < Grid.Columns && Grid.IsDark(column, row))
                ++column;
            Fill(first * m, column * m - 1, y, y + height - 1);
        }
        y += height;
    }
}

} // namespace quillmark
