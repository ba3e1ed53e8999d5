#pragma once

#include <functional>

// The one way tests look at what the game keeps to itself. A class the tests
// look inside names TestAccess as its friend; nothing in the game calls
// these. Each is a template, so this header needs none of the classes'.
struct TestAccess {
    // The help window's page and its Back and Forward actions.
    template <class HelpWindow>
    static auto* Browser(const HelpWindow& help) {
        return help.m_browser;
    }
    template <class HelpWindow>
    static auto* BackAction(const HelpWindow& help) {
        return help.m_back;
    }
    template <class HelpWindow>
    static auto* ForwardAction(const HelpWindow& help) {
        return help.m_forward;
    }

    // The view's sound-off flag and board cursor.
    template <class View>
    static int SoundOff(const View& view) {
        return view.m_soundOff;
    }
    template <class View>
    static const auto& Cursor(const View& view) {
        return view.m_cursor;
    }

    // The count dialog's picker, its retained picture, and what a click or a
    // step key does while the pressed arrow shows (a test need not hold the
    // thread).
    template <class CountDialog>
    static const auto& Picker(const CountDialog& dialog) {
        return dialog.m_picker;
    }
    template <class CountDialog>
    static const auto& WindowPicture(const CountDialog& dialog) {
        return dialog.m_window;
    }
    template <class CountDialog>
    static void SetPressWait(CountDialog& dialog, const std::function<void()>& wait) {
        dialog.m_pressWait = wait;
    }

    // The picker's arrows: 0 normal, 1 lit, 2 pressed.
    template <class CountPicker>
    static int LeftState(const CountPicker& picker) {
        return picker.m_leftState;
    }
    template <class CountPicker>
    static int RightState(const CountPicker& picker) {
        return picker.m_rightState;
    }

    // A dialog's measured base units, the best results' table font, and the
    // tip picture shown.
    template <class Dialog>
    static auto BaseUnits(const Dialog& dialog) {
        return dialog.m_baseUnits;
    }
    template <class Dialog>
    static const auto& TableFont(const Dialog& dialog) {
        return dialog.m_tableFont;
    }
    template <class Dialog>
    static int TipBitmap(const Dialog& dialog) {
        return dialog.m_tipBitmap;
    }

    // Whether the sound output has loaded its module.
    template <class Output>
    static bool Loaded(const Output& output) {
        return output.m_output != nullptr;
    }
};
