// The technical-requirements list: the eleven items from the page controls and the
// writing of the numbered lines upward from the picked lower-left corner.
#include "tech_requirements.h"

#include "drawing_driver.h"
#include "utf8_text.h"

#include <optional>

namespace torvelix::cad {

int ttLineIndex(int item) {
    if (item <= 3) {
        return item - 1;
    }
    return item; // item 3 takes two lines, so the later items move down by one
}

bool ttHasContinuation(int item) {
    return item == 3 || item == 11;
}

TechRequirements buildTechRequirements(const TechRequirementControls& c) {
    TechRequirements tt;
    auto put = [&tt](int item, std::string line, std::string continuation = {}) {
        tt.TtFlags[static_cast<std::size_t>(item - 1)] = true;
        const auto index = static_cast<std::size_t>(ttLineIndex(item));
        // Non-characters (U+FFFE, U+FFFF ...) are not text and never reach a drawing.
        tt.TtLines[index] = withoutNonCharacters(line);
        if (ttHasContinuation(item)) {
            tt.TtLines[index + 1] = withoutNonCharacters(continuation);
        }
        ++tt.count;
    };
    if (c.ckb6Num) {
        put(1, "Пружина номер " + c.e6Num + " " + c.comb6Gost + ".");
    }
    if (c.ckb6G) {
        put(2, "Модуль сдвига G = " + c.e6G + " МПа.");
    }
    if (c.ckb6Tau) {
        put(3, "Напряжение касательное при кручении", "(макс.) Tau = " + c.e6Tau + " МПа.");
    }
    if (c.ckb6Nav) {
        put(4, "Направление навивки - " + c.comb6Naviv + ".");
    }
    if (c.ckb6L) {
        put(5, "Длина развернутой пружины L = " + c.e6L + " мм.");
    }
    if (c.ckb6n) {
        put(6, "Число рабочих витков n = " + c.e6n + ".");
    }
    if (c.ckb6n1) {
        put(7, "Число витков полное n1 = " + c.e6n1 + ".");
    }
    if (c.ckb6HRC) {
        put(8, "Твердость HRC " + c.e6HRC + ".");
    }
    if (c.ckb6Dc) {
        // Dc for a gauge rod (the first entry), Dг for a gauge sleeve or no selection.
        const char* symbol = c.comb6KontrolIndex == 0 ? " Dc = " : " Dг = ";
        put(9, "Диаметр " + c.comb6Kontrol + symbol + c.e6Dc + " мм.");
    }
    if (c.ckb6Sprav) {
        put(10, "*Размеры для справок.");
    }
    if (c.ckb6TT) {
        put(11, "Остальные технические требования по", c.e6TT);
    }
    return tt;
}

void DrawTechRequirements(TechRequirements tt, CadConnector& connector, MessageSink& sink) {
    try {
        std::shared_ptr<CadApplication> application = connector.Attach("AutoCAD.Application");
        CadDocument& document = application->ActiveDocument();
        const int tileMode = document.GetVariableInt("TILEMODE");
        const int cvPort = document.GetVariableInt("CVPORT");
        // As for the spring: paper space only when its own viewport is current.
        CadSpace& space =
            tileMode != 1 && cvPort == 1 ? document.PaperSpace() : document.ModelSpace();
        Point corner =
            document.Utility().GetPoint(std::nullopt, "Укажи левый-нижний угол текста ТТ: ");
        const double scale = document.GetVariableReal("DIMSCALE");
        const double height = 4.5 * scale;
        const double pitch = 8.2 * scale;
        // From the last item up: the list reads 1 .. count from the top.
        for (int item = 11; item >= 1; --item) {
            if (!tt.TtFlags[static_cast<std::size_t>(item - 1)]) {
                continue;
            }
            const auto index = static_cast<std::size_t>(ttLineIndex(item));
            if (ttHasContinuation(item)) {
                space.AddText(tt.TtLines[index + 1], corner, height);
                corner.y += pitch;
            }
            space.AddText(std::to_string(tt.count) + ". " + tt.TtLines[index], corner, height);
            corner.y += pitch;
            --tt.count;
        }
    } catch (const CadException&) {
        sink.show(MessageIcon::Warning, kCadLinkError);
    } catch (const CadAutomationFailure&) {
        sink.show(MessageIcon::Warning, kTtCadNotLoaded);
    }
}

} // namespace torvelix::cad
