-- RADIOLOGY..spMRI_InNurseUpdate
-- Reports a charged item back to the wards: the patient's pending ward
-- requests for the item become served (S), and the request line just posted
-- for the item is linked to the ward's request and takes its reference.
-- Nothing happens when no ward asked for the item.
-- @HospNum: hospital number
-- @IDNum: admission number or OPD number
-- @ItemID: the item charged
-- @RevenueID: the department (MI)
-- returns: nothing
UPDATE RADIOLOGY..tbMRIRequest
SET NurseRequestID = (SELECT min(RequestID) FROM RADIOLOGY..tbNurseRequest
                      WHERE IDNum = @IDNum AND ItemID = @ItemID AND RevenueID = @RevenueID AND Status = 'P'),
    RequestRef = (SELECT RequestRef FROM RADIOLOGY..tbNurseRequest
                  WHERE RequestID = (SELECT min(RequestID) FROM RADIOLOGY..tbNurseRequest
                                     WHERE IDNum = @IDNum AND ItemID = @ItemID AND RevenueID = @RevenueID AND Status = 'P'))
WHERE rowid = (SELECT max(rowid) FROM RADIOLOGY..tbMRIRequest
               WHERE IDNum = @IDNum AND ItemID = @ItemID AND NurseRequestID IS NULL AND Status <> 'R')
  AND EXISTS (SELECT 1 FROM RADIOLOGY..tbNurseRequest
              WHERE IDNum = @IDNum AND ItemID = @ItemID AND RevenueID = @RevenueID AND Status = 'P');
UPDATE RADIOLOGY..tbNurseRequest
SET Status = 'S', ServedDate = getdate(),
    ServedBy = (SELECT UserID FROM RADIOLOGY..tbMRIRequest
                WHERE rowid = (SELECT max(rowid) FROM RADIOLOGY..tbMRIRequest WHERE IDNum = @IDNum AND ItemID = @ItemID))
WHERE IDNum = @IDNum AND ItemID = @ItemID AND RevenueID = @RevenueID AND Status = 'P';
