#include "engine/reorder_tables.h"

ReorderTable LineReorderTable(int n) {
    switch (n) {
    case 3:
        return {&Reorders3[0][0], 2, 3};
    case 4:
        return {&Reorders4[0][0], 9, 4};
    case 5:
        return {&Reorders5[0][0], 44, 5};
    default:
        return {nullptr, 0, 0};
    }
}

ReorderTable GroupReorderTable(int n) {
    if (n == 3)
        return {&GroupReorders3[0][0], 5, 3};
    return LineReorderTable(n);
}
