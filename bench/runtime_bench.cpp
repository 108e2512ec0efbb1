// Costs of the form runtime on the paths every window uses.
#include "runtime/FormRuntime.h"
#include "runtime/HeadlessHost.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tarvik {
namespace {

class TypingForm : public Form {
public:
    explicit TypingForm(Runtime& runtime) : Form(runtime, "typing")
    {
        axistxt.onKeyPress = [](int& key) {
            if (key != 8 && (key < '0' || key > '9')) key = 0;
        };
        axistxt.onChange = [this] { valid = axistxt.text().empty() ? 0 : 1; };
    }
    TextBox axistxt{this, "axistxt", {.maxLength = 7}};
    int valid = 0;
};

// One keystroke (KeyDown, KeyPress with a key filter, edit, Change, KeyUp) per iteration half:
// a digit, then Backspace.
void BM_KeystrokeIntoTextBox(benchmark::State& state)
{
    VirtualClock clock;
    HeadlessHost host;
    Runtime rt(clock, host);
    auto& form = rt.instance<TypingForm>(rt);
    form.show();
    rt.input().focus(form.axistxt);
    for (auto _ : state) {
        rt.input().typeCharacter('5');
        rt.input().press(Key::Backspace);
    }
    benchmark::DoNotOptimize(form.valid);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeIntoTextBox);

class HundredControlForm : public Form {
public:
    explicit HundredControlForm(Runtime& runtime) : Form(runtime, "hundred")
    {
        for (int i = 0; i < 40; ++i) {
            const float top = static_cast<float>(i) * 300;
            labels.add(i, {.caption = "Value " + std::to_string(i), .top = top, .width = 1200, .height = 285});
            boxes.add(i, {.left = 1300, .top = top, .width = 900, .height = 285, .maxLength = 7});
        }
        for (int i = 0; i < 20; ++i) buttons.add(i, {.caption = "&Run " + std::to_string(i), .left = 2400});
        boxes.each([this](int i, TextBox& box) { box.onChange = [this, i] { changed = i; }; });
    }
    ControlArray<Label> labels{this, "labels"};
    ControlArray<TextBox> boxes{this, "boxes"};
    ControlArray<CommandButton> buttons{this, "buttons"};
    int changed = -1;

private:
    void Form_Load() override
    {
        boxes.each([](int, TextBox& box) { box.setText("0"); });
    }
};

// Create, load (every box set from code, raising Change), show, unload and destroy.
void BM_LoadHundredControlForm(benchmark::State& state)
{
    VirtualClock clock;
    HeadlessHost host;
    Runtime rt(clock, host);
    for (auto _ : state) {
        auto& form = rt.instance<HundredControlForm>(rt);
        form.show();
        benchmark::DoNotOptimize(form.changed);
        form.unload();
        rt.runDue(); // a safe point: the unloaded form is destroyed
    }
}
BENCHMARK(BM_LoadHundredControlForm);

} // namespace
} // namespace tarvik

BENCHMARK_MAIN();
