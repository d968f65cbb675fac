-- REPORTS..spRpt_RateSchedule
-- The MRI rate schedule room by room: what every active examination costs in
-- each room, at the rate of the room's class, for one station or for all.
-- @StationID: the station; empty for every station
-- returns: StationID, Station, RoomID, RoomClassID, ExamCode, Exam, Section, Rate
SELECT s.StationID, s.Station, r.RoomID, r.RoomClassID,
       o.OtherRevenueID AS ExamCode, o.OtherRevenue AS Exam, isnull(sec.SectionName, '') AS Section,
       CASE r.RoomClassID WHEN 'A' THEN o.RateA WHEN 'B' THEN o.RateB WHEN 'C' THEN o.RateC
                          WHEN 'D' THEN o.RateD WHEN 'E' THEN o.RateE WHEN 'F' THEN o.RateF
                          WHEN 'G' THEN o.RateG ELSE o.RateH END AS Rate
FROM BUILD_FILE..tbCoRoom r
JOIN BUILD_FILE..tbCoStation s ON s.StationID = r.StationID
CROSS JOIN BUILD_FILE..tbCoOtherRevenue o
LEFT JOIN BUILD_FILE..tbCoSection sec ON sec.SectionID = o.SectionID
WHERE o.RevenueID = 'MI' AND o.Status = 'A' AND isnull(r.RoomClassID, '') <> ''
  AND (@StationID = '' OR r.StationID = @StationID)
ORDER BY s.StationID, r.RoomID, o.OtherRevenueID;
