'[group=Package Group]
