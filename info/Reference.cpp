#include "info/Reference.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "sheet/Utf8.h"

namespace tarnwick {

namespace {

/// The lines of a message joined as the message box shows them: carriage
/// return and line feed between lines, nothing after the last.
std::string joined(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

/// A message with the OK button alone and no icon.
Message plain(std::string title, std::string prompt) {
    return {std::move(prompt), std::move(title), Icon::None, Buttons::Ok, Answer::Ok, true};
}

/// A message with the OK button and the information icon.
Message information(std::string title, std::string prompt) {
    return {std::move(prompt), std::move(title), Icon::Information, Buttons::Ok, Answer::Ok, true};
}

}  // namespace

std::optional<Message> Reference::messageFor(M menu) {
    switch (menu) {
        // Minimum oil buffer stroke formulas.
        case M::mnuOil:
            return plain(
                "Minimum Oil Buffer Strokes",
                joined({
                    "Use the following formulas to find the buffer strokes for rated speeds "
                    "that are not listed ",
                    "in Table 201.4a ( A17.1-1996 ) or Table 2.22.4.1 ( A17.1 -2000 ) :",
                    "",
                    "IMPERIAL:",
                    "",
                    " ((  Rated Speed ( ft/min )  X 1.15  ) ^ 2 )    /  19320   =  Buffer "
                    "Stroke ( in. )",
                    "",
                    "METRIC:",
                    "",
                    " ((  Rated Speed ( m/s )  X 1.15  ) ^ 2 )   /  0.01963   =  Buffer Stroke "
                    "( mm )",
                }));
        // Table of minimum spring buffer strokes.
        case M::mnuSpring:
            return plain("Minimum Spring Buffer Strokes",
                         joined({
                             "Rule 201.3a (A17.1-1996) or 2.22.3.1 (A17.1-2000)",
                             "",
                             "                              IMPERIAL",
                             "",
                             "Operating speed / down, fpm      Min. Stroke, in.",
                             "",
                             "100 or less                                   1 1/2",
                             "101 to 150                                   2 1/2",
                             "151 to 200                                   4",
                             "",
                             "1 in. = 25.4 mm",
                             "",
                             "",
                             "                               METRIC",
                             "",
                             "Operating speed / down, m/s      Min. Stroke, mm",
                             "",
                             "0.50 or less                                   38",
                             "0.51 to 0.75                                  63",
                             "0.76 to 1.00                                  100",
                             "",
                             "1 mm = 0.03937 in.",
                             "1 in.   = 25.4 mm",
                         }));
        // Reduced stroke buffers, 1996 edition.
        case M::mnu1996:
            return information(
                "Minimum Stroke Required for Reduced Stroke Buffers   A17.1-1996",
                joined({
                    "When an emergency terminal speed limiting device is installed which will "
                    "limit the speed at which the car or counterweight can strike its buffer, "
                    "the buffer stroke shall be based on at least 115% of this reduced speed. "
                    "In no case shall the stroke used be less than 50% of the stroke required "
                    "by Rule 201.4a (1) for rated speeds under 800 ft/min ",
                    "( 4.064 m/s ), nor less than 33 1/3% or 18 in. ( 457 mm ), whichever is "
                    "greater, for rated speeds of 800 ft/min ",
                    "( 4.064 m/s ) or more.",
                    "",
                    "The IMPERIAL interpretation is as follows:",
                    "",
                    "Under 800 ft/min the minimum stroke is 50% of the required stroke.",
                    "For 800 to 888 ft/min the minimum stroke is 18 in.",
                    "For 889 ft/min and above the minimum stroke is 33 1/3% of the required "
                    "stroke.",
                    "",
                    "The METRIC interpretation is as follows:",
                    "",
                    "Under 4.064 m/s the minimum stroke is 50% of the required stroke.",
                    "For 4.064 to 4.515 m/s the minimum stroke is 457 mm.",
                    "For 4.516 m/s and above the minimum stroke is 33 1/3% of the required "
                    "stroke.",
                }));
        // Reduced stroke buffers, 2000 to 2005 editions.
        case M::mnu2000:
            return information(
                "Minimum Stroke Required for Reduced Stroke Buffers   A17.1-2000",
                joined({
                    "When an emergency terminal speed limiting device is installed which will "
                    "limit the speed at which the car or counterweight can strike its buffer, the "
                    "buffer stroke shall be based on at least 115% of this reduced speed. In no",
                    "case shall the stroke used be less than 50% of the stroke required by "
                    "2.22.4.1.2 for rated speeds under 4.00 m/s ",
                    "( 800 ft/min. ), nor less than 33 1/3% or 450 mm ( 18 in. ), whichever is "
                    "greater, for rated speeds of 4 m/s ",
                    "( 800 ft/min. ) or more.",
                    "",
                    "The IMPERIAL interpretation is as follows:",
                    "",
                    "Under 800 ft/min the minimum stroke is 50% of the required stroke.",
                    "For 800 to 888 ft/min the minimum stroke is 18 in.",
                    "For 889 ft/min and above the minimum stroke is 33 1/3% of the required "
                    "stroke.",
                    "",
                    "The METRIC interpretation is as follows:",
                    "",
                    "Under 4.00 m/s the minimum stroke is 50% of the required stroke.",
                    "For 4.00 to 4.475 m/s the minimum stroke is 450 mm.",
                    "For 4.476 m/s and above the minimum stroke is 33 1/3% of the required "
                    "stroke.",
                }));
        // Maximum upward movement, imperial.
        case M::mnuImpSpring:
            return information(
                "Maximum Upward Movement -- Spring Buffers -- Imperial",
                joined({
                    "WITHOUT Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  +  Counterweight Runby  +  [  ((  Governor Tripping Speed ( "
                    "ft/min )  ^ 2  )  /  19320 )  /  2  ]  =  ",
                    "   Maximum Upward Movement ( in. )",
                }));
        case M::mnuImpComp:
            return information(
                "Maximum Upward Movement -- Counterweight Buffers Partially Compressed at Terminal "
                "-- Imperial",
                joined({
                    "WITH Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  -  Amount of Buffer Compression  =  Maximum Upward Movement ( "
                    "in. )",
                    "",
                    "WITHOUT Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  -  Amount of Buffer Compression  +  [  (((  Rated Speed ( "
                    "ft/min )   X  1.15  ) ^ 2  )  /  19320 )  /  2  ]  =  ",
                    "   Maximum Upward Movement ( in. )",
                }));
        case M::mnuImpReduced:
            return information("Maximum Upward Movement -- Reduced Stroke Buffers -- Imperial",
                               joined({
                                   "WITH Compensating Rope Tie-Down:",
                                   "",
                                   "   Stroke  +  Counterweight Runby  =  ",
                                   "   Maximum Upward Movement ( in. )",
                                   "",
                                   "WITHOUT Compensating Rope Tie-Down:",
                                   "",
                                   "   (  Stroke  X  1.5  )  + Counterweight Runby  =  ",
                                   "   Maximum Upward Movement ( in. )",
                               }));
        case M::mnuImpOtherOil:
            return information(
                "Maximum Upward Movement -- Other Oil Buffers -- Imperial",
                joined({
                    "WITH Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  +  Counterweight Runby  =  Maximum Upward Movement ( in. )",
                    "",
                    "WITHOUT Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  +  Counterweight Runby  +  [  (((  Rated Speed ( ft/min )   X  "
                    "1.15  ) ^ 2  )  /  19320 )  /  2  ]  =  ",
                    "   Maximum Upward Movement ( in. )",
                }));
        // Maximum upward movement, metric.
        case M::mnuMetSpring:
            return information("Maximum Upward Movement -- Spring Buffers -- Metric",
                               joined({
                                   "WITHOUT Compensating Rope Tie-Down:",
                                   "",
                                   "   Stroke  +  Counterweight Runby  +  [  ((  Governor "
                                   "Tripping Speed ( m/s )  ^ 2  )  /  0.01963 )  /  2  ]  =  ",
                                   "   Maximum Upward Movement ( mm )",
                               }));
        case M::mnuMetComp:
            return information(
                "Maximum Upward Movement -- Counterweight Buffers Partially Compressed at Terminal "
                "-- Metric",
                joined({
                    "WITH Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  -  Amount of Buffer Compression  =  Maximum Upward Movement ( "
                    "mm )",
                    "",
                    "WITHOUT Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  -  Amount of Buffer Compression  +  [  ((( Rated Speed ( m/s ) "
                    "  X  1.15 ) ^ 2  )  /  0.01963 )  /  2  ]  =  ",
                    "   Maximum Upward Movement ( mm )",
                }));
        case M::mnuMetReduced:
            return information("Maximum Upward Movement -- Reduced Stroke Buffers -- Metric",
                               joined({
                                   "WITH Compensating Rope Tie-Down:",
                                   "",
                                   "   Stroke  +  Counterweight Runby  =  ",
                                   "   Maximum Upward Movement ( mm )",
                                   "",
                                   "WITHOUT Compensating Rope Tie-Down:",
                                   "",
                                   "   (  Stroke  X  1.5  )  + Counterweight Runby  =  ",
                                   "   Maximum Upward Movement ( mm )",
                               }));
        case M::mnuMetOtherOil:
            return information(
                "Maximum Upward Movement -- Other Oil Buffers -- Metric",
                joined({
                    "WITH Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  +  Counterweight Runby  =  Maximum Upward Movement ( mm )",
                    "",
                    "WITHOUT Compensating Rope Tie-Down:",
                    "",
                    "   Stroke  +  Counterweight Runby  +  [  (((  Rated Speed ( m/s )   X  "
                    "1.15  ) ^ 2  )  /  0.01963 )  /  2  ]  =  ",
                    "   Maximum Upward Movement ( mm )",
                }));
        default:
            return std::nullopt;
    }
}

std::vector<std::string> Reference::cardLines(const Message& message) {
    std::vector<std::string> lines;
    std::string_view rest = message.prompt;
    for (;;) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view line = rest.substr(0, end);
        if (message.lineByLine) {
            lines.emplace_back(line);
        } else {
            for (std::string& piece : breakAtBlanks(line, kCardColumns)) {
                lines.push_back(std::move(piece));
            }
        }
        if (end == std::string_view::npos) return lines;
        rest.remove_prefix(end + 2);
    }
}

Message Reference::workingMessage(const Working& working) {
    std::string prompt;
    for (const std::string& line : working.shownLines()) {
        prompt += (prompt.empty() ? "" : "\r\n") + line;
    }
    return {std::move(prompt), "Working", Icon::None, Buttons::Ok, Answer::Ok, true, true};
}

void Reference::show(M menu) {
    if (menu == M::mnuShowWorking) {
        sheet_.message(workingMessage(sheet_.working()));
    } else if (std::optional<Message> message = messageFor(menu)) {
        sheet_.message(*message);
    }
}

}  // namespace tarnwick
