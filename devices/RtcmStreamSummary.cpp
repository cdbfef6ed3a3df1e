#include "devices/RtcmStreamSummary.h"

#include "devices/RtcmFrameScanner.h"
#include "devices/RtcmMessages.h"

namespace {

void TakeStationArp(std::string_view message, TRtcmStreamSummary& summary) {
    const std::optional<TRtcmStationArp> arp = DecodeStationArp(message);
    if (!arp) return;
    summary.xM = arp->xM;
    summary.yM = arp->yM;
    summary.zM = arp->zM;
    if (IsPlausibleArp(arp->xM, arp->yM, arp->zM)) {
        summary.arpValid = true;
        summary.arp = EcefToGeodetic(arp->xM, arp->yM, arp->zM);
    } else {
        ++summary.implausibleArps;
    }
    summary.arpDecoded = true;
    summary.stationId = arp->stationId;
    summary.itrfYear = arp->itrfYear;
    summary.gps = arp->gps;
    summary.glonass = arp->glonass;
    summary.galileo = arp->galileo;
    summary.nonPhysical = arp->nonPhysical;
}

void TakeStationArpWithHeight(std::string_view message, TRtcmStreamSummary& summary) {
    TakeStationArp(message, summary);
    if (const std::optional<double> height = DecodeAntennaHeight(message)) {
        summary.antennaHeightM = *height;
    }
}

void Take(const std::optional<std::string>& text, std::string& into) {
    if (text) into = *text;
}

template <TRtcmDescriptors (*Decode)(std::string_view)>
void TakeDescriptors(std::string_view message, TRtcmStreamSummary& summary) {
    if (const std::optional<int> id = RtcmStationId(message)) summary.stationId = *id;
    const TRtcmDescriptors descriptors = Decode(message);
    Take(descriptors.antennaType, summary.antennaType);
    Take(descriptors.antennaSerial, summary.antennaSerial);
    if (descriptors.setupId) summary.setupId = *descriptors.setupId;
    Take(descriptors.receiverType, summary.receiverType);
    Take(descriptors.receiverFirmware, summary.receiverFirmware);
    Take(descriptors.receiverSerial, summary.receiverSerial);
}

struct TMessageDecoder {
    int number;
    void (*take)(std::string_view message, TRtcmStreamSummary& summary);
};

constexpr TMessageDecoder kDecoders[] = {
    {1005, TakeStationArp},
    {1006, TakeStationArpWithHeight},
    {1007, TakeDescriptors<DecodeAntennaDescriptor>},
    {1008, TakeDescriptors<DecodeAntennaDescriptorSerial>},
    {1033, TakeDescriptors<DecodeReceiverDescriptors>},
};

}  // namespace

TRtcmStreamSummary SummariseRtcmStream(std::string_view bytes) {
    TRtcmStreamSummary summary;
    TRtcmFrameScanner scanner;
    const TRtcmFrameScanner::TFrameSink take = [&](std::string_view frame) {
        ++summary.frameCount;
        const std::string_view message = RtcmMessageOf(frame);
        const std::optional<int> number = RtcmMessageNumber(message);
        if (!number) return;
        ++summary.countByNumber[*number];
        summary.signalFlags.Add(*number);
        for (const TMessageDecoder& decoder : kDecoders) {
            if (decoder.number == *number) decoder.take(message, summary);
        }
    };
    scanner.Feed(bytes, take);
    scanner.Finish(take);
    return summary;
}
