#include "navigation/CurrentPosition.h"

#include "devices/OrvaltSerialGPS.h"
#include "navigation/NavigationState.h"
#include "platform/Clock.h"

std::optional<TCurrentPosition> CurrentPositionAt(const TOrvaltSerialGPS& receiver,
                                                  const TMapProjector& projector,
                                                  std::uint64_t startTick, std::uint64_t nowTick) {
    const std::uint64_t reported = receiver.GetPositionTick();
    if (startTick == 0 || reported == 0 || reported < startTick) return std::nullopt;
    if (nowTick > reported && nowTick - reported > kCurrentPositionMs) return std::nullopt;
    TCurrentPosition position{receiver.GetLatitude(), receiver.GetLongitude(),
                              receiver.GetAltitude(), receiver.GetFixQuality(), std::nullopt};
    position.grid = projector.Project(position.latitude, position.longitude, position.height);
    return position;
}

std::optional<TCurrentPosition> CurrentPosition(const TOrvaltSerialGPS& receiver,
                                                const TMapProjector& projector) {
    return CurrentPositionAt(receiver, projector, RealtimeStartTick, GetTickCount());
}
