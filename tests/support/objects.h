// objects.h: reading parsed object lists in tests.
#pragma once
#include <string>
#include <vector>

#include "core/list.h"
#include "vector/obj2d.h"
#include "vector/seg2d.h"

inline const OBJ2D* Entry(const LIST* list, int i) {
    return static_cast<const OBJ2D*>(LISTGet(list, i));
}
inline const SEG2D* Seg(const OBJ2D* obj, int i) {
    return static_cast<const SEG2D*>(LISTGet(obj->segments, i));
}

// "x0,y0>x1,y1" for every segment, in file order.
inline std::vector<std::string> Picture(const OBJ2D* obj) {
    std::vector<std::string> out;
    for (int i = 0; i < obj->segments->count; ++i) {
        const SEG2D* s = Seg(obj, i);
        out.push_back(std::to_string(s->start->x) + "," + std::to_string(s->start->y) + ">" +
                      std::to_string(s->end->x) + "," + std::to_string(s->end->y));
    }
    return out;
}
