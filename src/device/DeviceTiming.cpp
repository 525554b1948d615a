#include "DeviceTiming.h"
#include "text/Translate.h"

#include "DeviceStatus.h"
#include "Protocol.h"

#include <charconv>
#include <string>

namespace kestrova {

DeviceTiming::Ms DeviceTiming::idleLimit(std::int32_t deviceType) const {
    return idlePolls * (groupBytesReversed(deviceType) ? idlePollReversed : idlePoll);
}

Result<DeviceTiming> DeviceTiming::parse(std::string_view text) {
    DeviceTiming t;
    struct Field {
        std::string_view name;
        int* count;
        Ms* wait;
    };
    const Field fields[] = {
        {"idlePolls", &t.idlePolls, nullptr},
        {"idlePollReversed", nullptr, &t.idlePollReversed},
        {"idlePoll", nullptr, &t.idlePoll},
        {"reRequests", &t.reRequests, nullptr},
        {"identifyPause", nullptr, &t.identifyPause},
        {"totalsPause", nullptr, &t.totalsPause},
        {"clockPause", nullptr, &t.clockPause},
        {"replyRounds", &t.replyRounds, nullptr},
        {"replyRound", nullptr, &t.replyRound},
        {"deleteAckRounds", &t.deleteAckRounds, nullptr},
        {"deleteAckRound", nullptr, &t.deleteAckRound},
        {"beforeStop", nullptr, &t.beforeStop},
        {"stopRepeat", nullptr, &t.stopRepeat},
        {"stopSettle", nullptr, &t.stopSettle},
        {"bluetoothSettle", nullptr, &t.bluetoothSettle},
        {"beforeDownload", nullptr, &t.beforeDownload},
        {"writePerByte", nullptr, &t.writePerByte},
        {"writeExtra", nullptr, &t.writeExtra},
    };
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (item.empty()) continue;
        const auto equals = item.find('=');
        const std::string_view name = item.substr(0, equals);
        const Field* field = nullptr;
        for (const Field& f : fields)
            if (f.name == name) field = &f;
        int value = -1;
        const std::string_view digits = equals == std::string_view::npos ? std::string_view() : item.substr(equals + 1);
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (!field || ec != std::errc() || end != digits.data() + digits.size() || value < 0)
            return deviceError(Status::Invalid, std::string(item),
                               ktr("DeviceTiming", "not a device timing (name=number)"));
        if (field->count)
            *field->count = value;
        else
            *field->wait = Ms(value);
    }
    return t;
}

} // namespace kestrova
