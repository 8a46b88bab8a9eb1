#pragma once

#include <string>

#include "core/Task.h"
#include "core/TaskEditor.h"

namespace trimerka {

// The texts a screen reader speaks for controls whose meaning is in a picture. A noun after a number takes
// the form CountWord gives it: 1, 21 литр; 2, 3, 4, 22 литра; 0, 5 ... 20, 25 литров.

// "1 литр", "3 литра", "11 литров".
std::string LitresText(int amount);
// A vessel's bar: "Сосуд А: 3 литра из 8".
std::string VesselSpokenName(int vessel, int amount, int capacity);
// The command panel as it stands: "Команда: А - Б"; while it is incomplete it says which half is chosen.
std::string CommandSpokenName(const std::string& panel);
// A colour square of the constructor: "Цвет жидкости сосуда А: #BAFEBD" for the fill colour, "Цвет пустой
// части сосуда А: #E6E6E6" for the empty part.
std::string ColorSpokenName(int vessel, bool fillColor, Color color);
// A number editor of the constructor, after its vessel and value: "Сосуд А: ёмкость", "Сосуд Б: начальное
// количество", "Сосуд В: цель", "Сосуд А: высота столбика".
std::string NumberSpokenName(int vessel, VesselNumber number);
// A column-title editor of the constructor: "Название столбца сосуда А".
std::string ColumnTitleSpokenName(int vessel);
// The task-completed window: "Задание выполнено. Количество шагов: 7".
std::string CompletedSpokenText(int steps);

} // namespace trimerka
