#include "tabseed/tabseed_run.h"

#include "tabseed/entry_format.h"
#include "tabseed/entry_pipeline.h"
#include "tabseed/messages.h"
#include "tabseed/option_match.h"
#include "tabseed/output_channel.h"

#include <deque>
#include <string_view>

namespace tabseed {

namespace {

void Say(std::FILE* errors, const std::string& text)
{
    std::fputs(text.c_str(), errors);
}

} // namespace

int RunTabseed(std::vector<std::string> arguments, std::uint32_t seed, StandardStreams streams)
{
    std::uint32_t count = 5;
    bool stop = false;
    bool openFailed = false;

    OutputChannel standardOutput = OutputChannel::standardOutput(streams.output, streams.errors);
    // Every file opened stays open to the end; only the last one gets entries.
    std::deque<OutputChannel> files;
    OutputChannel* output = &standardOutput;

    for (std::string& argument : arguments) {
        UpperCaseAscii(argument);
        bool known = false;
        if (const auto number = MatchCountOption(argument)) {
            known = true;
            if (*number <= MAX_COUNT) {
                count = *number;
            } else {
                Say(streams.errors, messages::CountOutOfRange(argument));
                stop = true;
            }
        }
        if (const auto fileName = MatchFileOption(argument)) {
            known = true;
            OutputChannel file = OutputChannel::openForAppend(*fileName, streams.errors);
            if (!file.isOpen()) {
                Say(streams.errors, messages::CouldNotOpen(*fileName));
                openFailed = true;
            } else {
                Say(streams.errors, messages::AddingTo(*fileName));
                if (file.write(FILE_HEADER)) {
                    file.flush();
                }
                files.push_back(std::move(file));
                output = &files.back();
            }
        }
        if (!known) {
            Say(streams.errors, messages::InvalidOption(argument));
            stop = true;
        }
    }

    if (!stop) {
        WriteEntries(seed, count, [output](std::string_view bytes) { return output->write(bytes); });
    }

    bool writeFailed = false;
    for (OutputChannel& file : files) {
        writeFailed |= !file.close();
    }
    writeFailed |= !standardOutput.close();

    return stop || openFailed || writeFailed ? STATUS_FAILURE : STATUS_SUCCESS;
}

} // namespace tabseed
