-- BUILD_FILE..spInv_AppendStockCard
-- Records one stock movement on the stock card and moves the stock on hand
-- of the item at the location by its quantity, both or neither. Direction O
-- (to a patient) takes the quantity out of stock, so a negative quantity
-- returns stock; direction I puts it in. An item that the location does not
-- stock is refused.
-- @HospNum: hospital number
-- @IDNum: admission or OPD number
-- @ItemID: item code
-- @TransDate: date and time of the movement, "mm/dd/yyyy hh:mm"
-- @RefNum: charge slip number
-- @Quantity: quantity
-- @UnitCost: unit cost
-- @Amount: amount charged
-- @UserID: employee code of the user
-- @TransType: transaction type (PRN: charged to a patient)
-- @Reference: reference text
-- @LocationID: stock location
-- @Remarks: remarks
-- @RoomID: the patient's room
-- @Discount: discount
-- @InventoryCode: inventory code of the charging department
-- @ChargeInvCode: inventory code the charge goes to
-- @RequestRef: the ward request it serves
-- @BatchNo = '': batch number (NULL: none)
-- @ExpiryDate = '': expiry date of the batch (NULL or '': none)
-- @ORNumber = '': official receipt number (NULL: none)
-- @Direction: O out of stock, I into stock
-- returns: CardID, ItemID, LocationID, OnHand
-- when: NOT EXISTS (SELECT 1 FROM BUILD_FILE..tbInvMaster WHERE ItemID = @ItemID AND LocationID = @LocationID)
SELECT raise_error('Item ' || @ItemID || ' is not stocked at location ' || @LocationID || '.');
INSERT INTO BUILD_FILE..tbInvStockCard (HospNum, IDNum, ItemID, TransDate, RefNum, Quantity, UnitCost, Amount, UserID,
       TransType, Reference, LocationID, Remarks, RoomID, Discount, InventoryCode, ChargeInvCode, RequestRef,
       BatchNo, ExpiryDate, ORNumber, Direction, PostedDate)
VALUES (@HospNum, @IDNum, @ItemID, coalesce(parse_date(@TransDate), getdate()), @RefNum, CAST(@Quantity AS REAL),
        CAST(@UnitCost AS REAL), CAST(@Amount AS REAL), @UserID, @TransType, @Reference, @LocationID, @Remarks,
        @RoomID, CAST(@Discount AS REAL), @InventoryCode, @ChargeInvCode, @RequestRef, coalesce(@BatchNo, ''),
        parse_date(@ExpiryDate), coalesce(@ORNumber, ''), upper(@Direction), getdate());
UPDATE BUILD_FILE..tbInvMaster
SET OnHand = OnHand + CASE WHEN upper(@Direction) = 'I' THEN 1 ELSE -1 END * CAST(@Quantity AS REAL)
WHERE ItemID = @ItemID AND LocationID = @LocationID;
SELECT (SELECT max(CardID) FROM BUILD_FILE..tbInvStockCard) AS CardID, ItemID, LocationID, OnHand
FROM BUILD_FILE..tbInvMaster
WHERE ItemID = @ItemID AND LocationID = @LocationID;
