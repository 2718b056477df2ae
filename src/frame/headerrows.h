#pragma once

#include "controlrows.h"

namespace parta {

// The rows that open the table of every exercise window: its title across the
// top, "Задание:" and the task text beside it. Only what varies from window
// to window is left to the caller.

// A title: bordered, centred. The rule windows open with one too.
constexpr LabelRow titleRow(const char *name, TwipsRect rect, const char *caption, FontLook font,
                            Rgb background, Rgb text = {0, 0, 0})
{
    return {.name = name,
            .rect = rect,
            .caption = caption,
            .font = font,
            .background = background,
            .text = text,
            .border = true,
            .alignment = Align::Centre};
}

// "Задание:", bordered.
constexpr LabelRow taskCaptionRow(const char *name, TwipsRect rect, FontLook font, Rgb background,
                                  Rgb text = {0, 0, 0}, Align alignment = Align::Centre)
{
    return {.name = name,
            .rect = rect,
            .caption = "Задание:",
            .font = font,
            .background = background,
            .text = text,
            .border = true,
            .alignment = alignment};
}

// The task text, without a border.
constexpr LabelRow taskTextRow(const char *name, TwipsRect rect, const char *caption, FontLook font,
                               Rgb background, Rgb text = {0, 0, 0})
{
    return {
        .name = name, .rect = rect, .caption = caption, .font = font, .background = background, .text = text};
}

} // namespace parta
