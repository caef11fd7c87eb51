// A seeded random walk through the real window, as a person would use it: values typed
// or pasted (plain, odd and refused), units and decimals picked from the lists or typed
// (in full, trimmed, in another case, or nonsense), the check box, "=" and Enter, tabs
// switched by mouse and keyboard. After every "=" what the window shows is checked
// against the core for what its controls now hold, and a second "=" must change nothing.
//
// VELKARI_SOAK_ACTIONS (default 2000) and VELKARI_SOAK_SEED (default 1) choose the walk;
// the same pair always walks the same way. A failure prints the seed and the shortest
// list of actions found that still fails.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "convert/categories.h"
#include "convert/query.h"
#include "convert/temperature_formula.h"
#include "convert/typed_unit.h"
#include "convert/unit_names.h"
#include "framework/data_exchange.h"
#include "framework/list_typing.h"
#include "framework/message_map.h"
#include "framework/tab_ctrl.h"
#include "numbers/number_text.h"
#include "sheet/TessaralDlg.h"
#include "tests/support/page_driver.h"
#include "tests/support/start_up.h"

namespace {

using namespace testing_support;
using framework::ControlKind;

// clang-format off
enum class Kind {
    TypeValue, PasteValue, PickUnit, TypeUnit, PickDecimals, TypeDecimals, ToggleCheck,
    PressEquals, PressEnter, ClickTab, KeyTab,
};
// clang-format on
constexpr int kKinds = 11;

// What to do, with two numbers that choose among what the current page offers, so
// that any sub-list of a walk is a walk too.
struct Action {
    Kind kind;
    std::uint32_t a;
    std::uint32_t b;
};

// Odd values a person types: refused ones, boundaries, and numbers that need all 17
// digits to read back as themselves.
// clang-format off
const char* const kOddValues[]{
    "abc", "1e999", "", "   ", " 12 ", "-0", "0", "1,5", "inf", "nan", "0x1p3", "1e-400", "+7",
    "2147483648", "-2147483648", "1e7", "0.0001", "5e-324", "1.7976931348623157e308",
    "10000000.000000002", "0.30000000000000004", "1.0000000000000002", "9999999.999999998",
};
// clang-format on

std::string ValueText(std::uint32_t a, std::uint32_t b)
{
    std::mt19937 pick(a);
    if (b % 4 == 0) {
        return kOddValues[pick() % std::size(kOddValues)];
    }
    if (b % 4 == 1) {
        return std::to_string(static_cast<int>(pick() % 2000001) - 1000000);
    }
    const double mantissa = std::uniform_real_distribution<double>(-10, 10)(pick);
    const double value = mantissa * std::pow(10.0, static_cast<int>(pick() % 31) - 15);
    std::ostringstream text;
    text.precision(static_cast<int>(pick() % 17) + 1);
    text << value;
    return text.str();
}

// Long pastes: a number of a thousand digits, beyond the double range, and text.
std::string PastedText(std::uint32_t a)
{
    const std::string texts[]{"0." + std::string(1000, '3'), std::string(400, '9'),
                              std::string(1000, 'x')};
    return texts[a % 3];
}

// Spellings of an item that must choose it, and of nothing that must choose nothing.
QString TypedItem(const QString& item, std::uint32_t how)
{
    const QString trimmed = item.trimmed();
    const QString spellings[]{item,
                              trimmed,
                              QStringLiteral(" ") + trimmed,
                              trimmed.toUpper(),
                              trimmed.toLower() + QStringLiteral("  "),
                              {}};
    return spellings[how % std::size(spellings)];
}
const char* const kNonsense[]{"", "xyz", "9", "abc", "-1", "Degreesx"};

// One tab's controls, found from its template and its category.
struct Controls {
    const convert::Category* category = nullptr;  // null on Temperature and About
    QLineEdit* value = nullptr;
    QComboBox* unit = nullptr;
    QComboBox* decimals = nullptr;
    QAbstractButton* check = nullptr;
    QAbstractButton* equals = nullptr;
    bool enterPresses = false;
    std::vector<QPlainTextEdit*> outputs;

    bool Temperature() const { return category == nullptr && unit != nullptr; }
    // Whether the tab converts what its value box holds.
    bool Converts() const { return category != nullptr || Temperature(); }
};

// What the page's members hold after its last successful pull, and what the user has
// since asked for.
struct Choice {
    double value = 0;
    int unit = -1;
    int decimals = -1;
    bool check = false;
};

struct PageModel {
    Choice used;
    Choice wanted;
};

Controls FindControls(CPropertyPage& page)
{
    Controls c;
    for (const convert::Category* category : convert::kConverterCategories) {
        if (page.Title().toStdString() == category->caption) {
            c.category = category;
        }
    }
    for (const framework::ControlTemplate& t : TemplateOf(page).controls) {
        QWidget* w = page.GetDlgItem(t.id);
        if (t.kind == ControlKind::Edit && (t.style & framework::kMultiLine) != 0) {
            c.outputs.push_back(qobject_cast<QPlainTextEdit*>(w));
        } else if (t.kind == ControlKind::Edit && c.value == nullptr) {
            c.value = qobject_cast<QLineEdit*>(w);
        } else if (t.kind == ControlKind::ComboBox) {
            auto* list = qobject_cast<QComboBox*>(w);
            std::vector<std::string> items;
            for (int i = 0; i < list->count(); ++i) {
                items.push_back(list->itemText(i).toStdString());
            }
            const bool isUnitList = c.category != nullptr
                                        ? std::ranges::equal(items, c.category->listItems)
                                        : std::ranges::equal(items, convert::kTemperatureListItems);
            (isUnitList ? c.unit : c.decimals) = list;
        } else if (t.kind == ControlKind::CheckBox) {
            c.check = qobject_cast<QAbstractButton*>(w);
        } else if (t.kind == ControlKind::PushButton && c.equals == nullptr) {
            c.equals = qobject_cast<QAbstractButton*>(w);
            c.enterPresses = (t.style & framework::kDefaultButton) != 0;
        }
    }
    return c;
}

// A text as a failure report quotes it: long pastes cut short.
std::string Quoted(const std::string& text)
{
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) {
        return '"' + text + '"';
    }
    return '"' + text.substr(0, kShown) + "...\" (" + std::to_string(text.size()) + " characters)";
}

QString Plain(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

long StatusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::strtol(line.c_str() + std::char_traits<char>::length(field), nullptr, 10);
        }
    }
    return -1;
}

struct Outcome {
    bool failed = false;
    std::size_t at = 0;  // the action after which the check failed
    std::string what;
    std::vector<std::string> log;  // what each action did, in words
};

// Runs a walk through a freshly started window and checks it as it goes. The long walk
// reports its memory and keeps no record of its steps (which would grow with it); a
// replay of a short failing walk records each step in words.
class Walk {
public:
    explicit Walk(bool report) : m_report(report) {}

    Outcome Run(const std::vector<Action>& actions)
    {
        MessageRecorder recorder;
        m_messages = &recorder.messages;
        RunStartUp([&](CTessaralDlg& sheet) {
            m_sheet = &sheet;
            for (std::size_t i = 0; i < actions.size() && !m_outcome.failed; ++i) {
                m_outcome.at = i;
                m_messages->clear();
                Do(actions[i]);
                // Between two things a person does, the window's event loop runs: it
                // paints and deletes what was let go.
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                if (m_report && i + 1 == 10000) {
                    std::cout << "soak: peak RSS after 10000 actions " << StatusKiB("VmHWM:")
                              << " KiB, RSS now " << StatusKiB("VmRSS:") << " KiB" << std::endl;
                }
            }
        });
        return m_outcome;
    }

    long invariants() const { return m_invariants; }

private:
    void Check(bool holds, const std::string& what)
    {
        ++m_invariants;
        if (!holds && !m_outcome.failed) {
            m_outcome.failed = true;
            m_outcome.what = what;
        }
    }

    CPropertyPage& Page() { return *m_sheet->GetActivePage(); }
    PageModel& Model() { return m_models[m_sheet->GetActiveIndex()]; }
    void Log(const std::string& text)
    {
        if (!m_report) {
            m_outcome.log.push_back(text);
        }
    }

    void Do(const Action& action)
    {
        const Controls c = FindControls(Page());
        switch (action.kind) {
            case Kind::TypeValue:
            case Kind::PasteValue:
                if (c.Converts()) {
                    EnterValue(c, action);
                }
                break;
            case Kind::PickUnit:
            case Kind::PickDecimals: {
                QComboBox* list = action.kind == Kind::PickUnit ? c.unit : c.decimals;
                if (list != nullptr) {
                    const int item = static_cast<int>(action.a % list->count());
                    Log("pick \"" + list->itemText(item).toStdString() + "\"");
                    ChooseItem(Page(), framework::ControlId(list), list->itemText(item));
                    Want(c, list, item);
                }
                break;
            }
            case Kind::TypeUnit:
            case Kind::TypeDecimals: {
                QComboBox* list = action.kind == Kind::TypeUnit ? c.unit : c.decimals;
                if (list != nullptr && list->isEditable()) {
                    TypeIntoList(c, list, action);
                }
                break;
            }
            case Kind::ToggleCheck:
                if (c.check != nullptr) {
                    Log("tick the check box");
                    ClickButton(Page(), framework::ControlId(c.check));
                    Model().wanted.check = !Model().wanted.check;
                }
                break;
            case Kind::PressEquals:
            case Kind::PressEnter:
                if (c.Converts()) {
                    const bool enter = action.kind == Kind::PressEnter && c.enterPresses;
                    Log(enter ? "press Enter" : "press \"=\"");
                    PressEquals(c, enter);
                }
                break;
            case Kind::ClickTab:
            case Kind::KeyTab:
                SwitchTab(c, action);
                break;
        }
        if (action.kind != Kind::ClickTab && action.kind != Kind::KeyTab) {
            CheckFollows(FindControls(Page()));
        }
    }

    // The results follow the inputs: after any action the tab shows the core's table for
    // what its controls show now, or no table at all where they give none.
    void CheckFollows(const Controls& c)
    {
        if (!c.Converts()) {
            return;
        }
        const auto reading = convert::ReadValueBox(c.value->text().toStdString(), TabOf(c));
        const Choice shown{0, framework::ListIndex(c.unit),
                           c.decimals != nullptr ? framework::ListIndex(c.decimals) : -1,
                           c.check != nullptr && c.check->isChecked()};
        const std::vector<QString> outputs = Outputs(c);
        const bool none = std::ranges::all_of(outputs, &QString::isEmpty);
        Check(none || (reading && outputs == Expected(c, reading->value, shown)),
              "the results are not the core's for what the controls show");
    }

    static int TabOf(const Controls& c)
    {
        const auto tabs = convert::ConverterTabs();
        for (std::size_t t = 0; t < tabs.size(); ++t) {
            if (tabs[t].category == c.category) {
                return static_cast<int>(t);
            }
        }
        return -1;
    }

    void EnterValue(const Controls& c, const Action& action)
    {
        if (action.kind == Kind::PasteValue) {
            const std::string text = PastedText(action.a);
            Log("paste " + Quoted(text) + " into the value box");
            QApplication::clipboard()->setText(QString::fromStdString(text));
            c.value->setFocus();
            c.value->selectAll();
            QTest::keyClick(c.value, Qt::Key_V, Qt::ControlModifier);
        } else {
            const std::string text = ValueText(action.a, action.b);
            Log("type " + Quoted(text) + " into the value box");
            TypeInto(Page(), framework::ControlId(c.value), QString::fromStdString(text));
        }
    }

    void TypeIntoList(const Controls& c, QComboBox* list, const Action& action)
    {
        const int item = static_cast<int>(action.a % list->count());
        QString typed = TypedItem(list->itemText(item), action.b);
        int meant = item;
        if (typed.isEmpty()) {
            typed = QString::fromUtf8(kNonsense[action.a % std::size(kNonsense)]);
            meant = -1;
        }
        Log("type \"" + typed.toStdString() + "\" into a list");
        testing_support::TypeIntoList(Page(), framework::ControlId(list), typed);
        // The user moves on and the offered completions close. The headless platform
        // does not give the window back its activation when they do; a desktop does.
        list->completer()->popup()->hide();
        m_sheet->activateWindow();
        Check(QTest::qWaitForWindowActive(m_sheet), "the window is not active again");
        Want(c, list, meant);
    }

    void Want(const Controls& c, const QComboBox* list, int item)
    {
        (list == c.unit ? Model().wanted.unit : Model().wanted.decimals) = item;
    }

    // The value the box's text stands for, by the box's own rule; none when refused.
    static std::optional<double> Reading(const Controls& c, const std::string& text)
    {
        if (c.category != nullptr && c.category->valueKind == convert::ValueKind::WholeNumber) {
            const auto whole = convert::ReadWholeNumber(text).value;
            return whole ? std::optional<double>(*whole) : std::nullopt;
        }
        return convert::ReadReal(text).value;
    }

    static std::string RefusalMessage(const Controls& c, const std::string& text)
    {
        if (c.category != nullptr && c.category->valueKind == convert::ValueKind::WholeNumber) {
            return std::string(
                convert::WholeRefusalMessage(convert::ReadWholeNumber(text).refusal));
        }
        return std::string(convert::RealRefusalMessage(convert::ReadReal(text).refusal));
    }

    std::vector<QString> Outputs(const Controls& c)
    {
        std::vector<QString> texts;
        for (const QPlainTextEdit* box : c.outputs) {
            texts.push_back(box->toPlainText());
        }
        std::ranges::sort(texts);
        return texts;
    }

    // The output texts the core gives for what the controls show.
    std::vector<QString> Expected(const Controls& c, double value, const Choice& shown)
    {
        std::vector<QString> texts;
        if (c.Temperature()) {
            if (const auto t = convert::ConvertTemperature(value, shown.unit)) {
                texts = {Plain(t->values), Plain(t->labels), Plain(t->formula)};
            }
        } else if (const auto t = convert::ConvertAll(*c.category, value, shown.unit,
                                                      shown.check ? 1 : 0, shown.decimals)) {
            texts = {Plain(t->values), Plain(t->labels)};
        }
        texts.resize(c.outputs.size());
        std::ranges::sort(texts);
        return texts;
    }

    int ShownItem(const QComboBox* list, const std::string& name)
    {
        if (list == nullptr) {
            return -1;
        }
        const int index = list->currentIndex();
        const QString expected = index < 0 ? QString() : list->itemText(index);
        Check(list->currentText() == expected, name + " shows \"" +
                                                   list->currentText().toStdString() +
                                                   "\" but holds item " + std::to_string(index));
        return index;
    }

    void CheckChoice(int shown, int wanted, int used, bool accepted, const std::string& name)
    {
        Check(shown == wanted || (!accepted && shown == used),
              name + " shows " + std::to_string(shown) + ", asked for " + std::to_string(wanted) +
                  ", used before " + std::to_string(used));
    }

    // Why the unit list's text names none of its units; empty when it names one or is
    // blank (then the press is only incomplete).
    std::string UnitRefusal(const Controls& c)
    {
        if (c.unit == nullptr || c.unit->currentText().trimmed().isEmpty() ||
            framework::TypedItem(c.unit) >= 0) {
            return {};
        }
        return convert::TypedUnitRefusal(Page().Title().toStdString(),
                                         c.unit->currentText().trimmed().toStdString());
    }

    // A refused press keeps every text the person typed and shows no result: the
    // refused text, and any control that the pull did not reach, stay as they were; a
    // value it took reads back as itself, and a list it reached shows the item asked for.
    void CheckRefusedPress(const Controls& c, std::optional<double> reading,
                           const std::vector<std::string>& reasons,
                           const std::function<void()>& press)
    {
        const std::string typed = c.value->text().toStdString();
        const auto lists = [&] {
            std::vector<QString> texts;
            for (const QComboBox* list : {c.unit, c.decimals}) {
                texts.push_back(list != nullptr ? list->currentText() : QString());
            }
            return texts;
        };
        const std::vector<QString> before = lists();
        const std::size_t first = m_messages->size();
        press();
        const std::string shown = c.value->text().toStdString();
        const std::optional<double> back = convert::ReadReal(shown).value;
        Check(shown == typed ||
                  (reading && back &&
                   std::bit_cast<std::uint64_t>(*back) == std::bit_cast<std::uint64_t>(*reading)),
              "the value " + Quoted(typed) + " became " + Quoted(shown) + " on a refused press");
        Check(m_messages->size() - first == 1 &&
                  std::ranges::find(reasons, (*m_messages)[first].text.toStdString()) !=
                      reasons.end(),
              "a refused press said something else, or more than one thing");
        Check(std::ranges::all_of(Outputs(c), &QString::isEmpty),
              "a refused press left results beside the refused text");
        const std::vector<QString> after = lists();
        const QComboBox* listsShown[]{c.unit, c.decimals};
        const int wanted[]{Model().wanted.unit, Model().wanted.decimals};
        for (std::size_t k = 0; k < after.size(); ++k) {
            const QComboBox* list = listsShown[k];
            Check(after[k] == before[k] ||
                      (list != nullptr && list->currentIndex() == wanted[k] &&
                       after[k] == (wanted[k] < 0 ? QString() : list->itemText(wanted[k]))),
                  "a refused press changed a list to \"" + after[k].toStdString() + "\"");
        }
    }

    void PressEquals(const Controls& c, bool enter)
    {
        PageModel& model = Model();
        const std::string typed = c.value->text().toStdString();
        const std::optional<double> reading = Reading(c, typed);
        const std::string unitRefusal = UnitRefusal(c);
        const std::size_t before = m_messages->size();
        const auto press = [&] {
            if (enter) {
                QTest::keyClick(c.value, Qt::Key_Return);
            } else {
                QTest::mouseClick(c.equals, Qt::LeftButton);
            }
        };
        if (!reading || !unitRefusal.empty()) {
            std::vector<std::string> reasons;
            if (!reading) {
                reasons.push_back(RefusalMessage(c, typed));
            }
            if (!unitRefusal.empty()) {
                reasons.push_back(unitRefusal);
            }
            CheckRefusedPress(c, reading, reasons, press);
            CheckRefusedPress(c, reading, reasons, press);
            return;
        }
        press();

        const std::optional<double> back = convert::ReadReal(c.value->text().toStdString()).value;
        const double expectedValue = reading.value_or(model.used.value);
        Check(
            back.has_value() &&
                std::bit_cast<std::uint64_t>(*back) == std::bit_cast<std::uint64_t>(expectedValue),
            "value box reads " + Quoted(c.value->text().toStdString()) + " after " + Quoted(typed));
        Choice shown{back.value_or(0), ShownItem(c.unit, "unit list"),
                     ShownItem(c.decimals, "decimals list"),
                     c.check != nullptr && c.check->isChecked()};
        CheckChoice(shown.unit, model.wanted.unit, model.used.unit, reading.has_value(),
                    "unit list");
        CheckChoice(shown.decimals, model.wanted.decimals, model.used.decimals, reading.has_value(),
                    "decimals list");
        CheckChoice(shown.check, model.wanted.check, model.used.check, reading.has_value(),
                    "check box");
        const std::size_t incomplete = shown.unit < 0 ? 1 : 0;
        Check(m_messages->size() - before == incomplete,
              std::to_string(m_messages->size() - before) + " messages, expected " +
                  std::to_string(incomplete));
        const std::vector<QString> outputs = Outputs(c);
        Check(outputs == Expected(c, shown.value, shown),
              "outputs differ from the core's for what the controls show");

        const QString valueText = c.value->text();
        const std::size_t first = m_messages->size();
        press();
        Check(Outputs(c) == outputs && c.value->text() == valueText &&
                  m_messages->size() - first == incomplete,
              "a second \"=\" changed what the page shows");
        model.used = shown;
        model.wanted = shown;
    }

    void SwitchTab(const Controls& c, const Action& action)
    {
        CTabCtrl* tabs = m_sheet->GetTabControl();
        const int from = m_sheet->GetActiveIndex();
        int to = static_cast<int>(action.a % static_cast<std::uint32_t>(tabs->count()));
        // A tab is left only when its value reads.
        const std::optional<double> reading =
            c.Converts() ? Reading(c, c.value->text().toStdString()) : 0.0;
        const bool leaves = reading.has_value();
        bool byMouse = action.kind == Kind::ClickTab && tabs->rect().contains(tabs->tabRect(to));
        if (byMouse) {
            Log("click tab " + tabs->tabText(to).toStdString());
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(to).center());
        } else {
            const bool next = (action.b % 2) == 0;
            to = (from + (next ? 1 : tabs->count() - 1)) % tabs->count();
            Log(next ? "Ctrl+PgDn" : "Ctrl+PgUp");
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : m_sheet,
                            next ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
        }
        if (to == from) {
            return;
        }
        Check(m_sheet->GetActiveIndex() == (leaves ? to : from),
              "on tab " + std::to_string(m_sheet->GetActiveIndex()) + " after leaving " +
                  std::to_string(from) + " for " + std::to_string(to));
        if (leaves && c.Converts()) {
            m_models[from].used = m_models[from].wanted;
            m_models[from].used.value = *reading;
        }
        QWidget* focus = QApplication::focusWidget();
        Check(focus != nullptr && focus->isVisible() &&
                  (FocusedControl(Page()) != nullptr || focus == tabs),
              std::string("after the switch the keys go to ") +
                  (focus != nullptr ? focus->metaObject()->className() : "nothing") +
                  (focus != nullptr && !focus->isVisible() ? ", hidden" : "") +
                  ", not to a control of the page or the tabs");
    }

    bool m_report;
    CTessaralDlg* m_sheet = nullptr;
    std::vector<RecordedMessage>* m_messages = nullptr;
    std::map<int, PageModel> m_models;
    Outcome m_outcome;
    long m_invariants = 0;
};

std::vector<Action> RandomWalk(std::uint64_t seed, std::size_t length)
{
    std::mt19937_64 random(seed);
    std::vector<Action> actions;
    for (std::size_t i = 0; i < length; ++i) {
        const auto kind = static_cast<Kind>(random() % kKinds);
        actions.push_back(
            {kind, static_cast<std::uint32_t>(random()), static_cast<std::uint32_t>(random())});
    }
    return actions;
}

// Removes ever smaller runs of actions while the walk still fails; the failing action
// ends every candidate. Bounded, so a slow failure still reports in reasonable time.
std::vector<Action> Shrink(std::vector<Action> actions)
{
    int attempts = 0;
    for (std::size_t run = actions.size() / 2; run >= 1; run /= 2) {
        for (std::size_t start = 0; start + run < actions.size() && attempts < 300;) {
            std::vector<Action> candidate = actions;
            candidate.erase(candidate.begin() + static_cast<long>(start),
                            candidate.begin() + static_cast<long>(start + run));
            ++attempts;
            const Outcome outcome = Walk(false).Run(candidate);
            if (outcome.failed) {
                candidate.resize(outcome.at + 1);
                actions = candidate;
            } else {
                start += run;
            }
        }
    }
    return actions;
}

std::uint64_t Setting(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(WindowSoak, RandomActionsKeepEveryPageTrue)
{
    const std::uint64_t seed = Setting("VELKARI_SOAK_SEED", 1);
    const std::size_t length = Setting("VELKARI_SOAK_ACTIONS", 2000);
    const std::vector<Action> actions = RandomWalk(seed, length);

    const auto start = std::chrono::steady_clock::now();
    Walk walk(true);
    const Outcome outcome = walk.Run(actions);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::cout << "soak: seed " << seed << ", " << (outcome.failed ? outcome.at + 1 : length)
              << " actions in " << seconds.count() << " s, " << walk.invariants()
              << " invariants checked, peak RSS " << StatusKiB("VmHWM:") << " KiB, RSS now "
              << StatusKiB("VmRSS:") << " KiB" << std::endl;
    if (!outcome.failed) {
        return;
    }
    std::vector<Action> shortest(actions.begin(),
                                 actions.begin() + static_cast<long>(outcome.at + 1));
    shortest = Shrink(shortest);
    const Outcome replay = Walk(false).Run(shortest);
    std::ostringstream steps;
    for (const std::string& step : replay.log) {
        steps << "\n  " << step;
    }
    ADD_FAILURE() << "seed " << seed << ", action " << outcome.at + 1 << ": " << outcome.what
                  << "\nshortest failing walk found (" << shortest.size()
                  << " actions): " << replay.what << steps.str();
}

}  // namespace
