-- RADIOLOGY..spMRI_DoctorCharge
-- Records a reader's fee: a request line of department MD (status X, nothing
-- waits for a result) under a new request number from the MRIRequest counter,
-- and its charge to the patient's bill, with the reader as the charge's doctor.
-- @PatientType: I for an admission, O for an out-patient registration
-- @RefNum: charge slip number
-- @IDNum: admission number or OPD number
-- @DoctorID: the reader's doctor code
-- @Amount: the fee, "0.00"
-- @UserID: employee code of the clerk
-- returns: RequestNum
-- when: @PatientType = 'I' AND NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbPatient WHERE IDNum = @IDNum)
SELECT raise_error('Admission ' || @IDNum || ' is not on file.');
-- when: @PatientType <> 'I' AND NOT EXISTS (SELECT 1 FROM PATIENT_DATA..tbOutPatient WHERE IdNum = @IDNum)
SELECT raise_error('Out-patient registration ' || @IDNum || ' is not on file.');
-- when: NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbCoDoctor WHERE DoctorID = @DoctorID)
SELECT raise_error('Doctor ' || @DoctorID || ' is not on file.');
-- when: NOT EXISTS (SELECT 1 FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest')
SELECT raise_error('The request number counter MRIRequest is missing.');
INSERT INTO RADIOLOGY..tbMRIRequest (RequestNum, RefNum, RevenueID, PatientType, HospNum, IDNum, ItemID, Description,
                                     Quantity, Amount, DoctorID, RoomID, UserID, TransDate, Status)
SELECT CAST(c.Value AS TEXT), @RefNum, 'MD', CASE WHEN @PatientType = 'I' THEN 'I' ELSE 'O' END,
       coalesce(p.HospNum, o.HospNum), @IDNum, d.DoctorID, 'DR. ' || d.LastName || ', ' || d.FirstName, 1,
       CASE WHEN is_numeric(@Amount) = 1 THEN CAST(@Amount AS REAL) ELSE 0 END,
       coalesce(p.AttendingDrID, o.DoctorID), CASE WHEN @PatientType = 'I' THEN p.RoomID ELSE 'OPD' END,
       @UserID, getdate(), 'X'
FROM RADIOLOGY..tbRadioCounter c
JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = @DoctorID
LEFT JOIN PATIENT_DATA..tbPatient p ON @PatientType = 'I' AND p.IDNum = @IDNum
LEFT JOIN PATIENT_DATA..tbOutPatient o ON @PatientType <> 'I' AND o.IdNum = @IDNum
WHERE c.Name = 'MRIRequest';
INSERT INTO BILLING..tbPatientCharges (PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount,
                                       DoctorID, RefNum, RequestNum, TransDate, UserID)
SELECT PatientType, IDNum, HospNum, RevenueID, ItemID, Description, Quantity, Amount, ItemID, RefNum, RequestNum,
       TransDate, UserID
FROM RADIOLOGY..tbMRIRequest
WHERE RequestNum = (SELECT CAST(Value AS TEXT) FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest');
UPDATE RADIOLOGY..tbRadioCounter SET Value = Value + 1 WHERE Name = 'MRIRequest';
SELECT CAST(Value - 1 AS TEXT) AS RequestNum FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest';
